// SPDX-License-Identifier: MIT
// Every Click handler of every program through the scripted host (dialogs answered from the
// script, so their waiting is not counted), and the runtime conversions the handlers use most.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "all_programs.h"
#include "rt/conversions.h"
#include "rt/printing.h"
#include "rt/testing/scripted_program.h"

namespace {

using rt::testing::ScriptedProgram;

struct HandlerCase {
    const char* program;
    const char* button;
    /// Once, before timing: what the user typed or chose before clicking.
    std::function<void(ScriptedProgram&)> set_up;
    /// Before each click, not timed: the state the click needs (a phase of the dice game, an
    /// InputBox answer).
    std::function<void(ScriptedProgram&)> before_each;
};

void enable(ScriptedProgram& p, std::initializer_list<const char*> on, std::initializer_list<const char*> off) {
    for (const char* name : on) p.form().control<rt::CommandButton>(name).SetEnabled(true);
    for (const char* name : off) p.form().control<rt::CommandButton>(name).SetEnabled(false);
}

void type(ScriptedProgram& p, const char* box, const std::string& text) { p.type(box, text); }

const HandlerCase kHandlers[] = {
    {"orvane", "Command2", {}, [](ScriptedProgram& p) { p.answer("大"); }},
    {"orvane", "Command3", {}, [](ScriptedProgram& p) { p.answer("15"); }},
    {"orvane", "Command4",
     [](ScriptedProgram& p) {
         p.answer("大");
         p.click("Command2");
         p.answer("15");
         p.click("Command3");
     },
     [](ScriptedProgram& p) { enable(p, {"Command2", "Command3", "Command4"}, {"Command1"}); }},
    {"orvane", "Command1", {}, [](ScriptedProgram& p) { enable(p, {"Command1"}, {"Command5"}); }},
    {"orvane", "Command5", {},
     [](ScriptedProgram& p) {
         p.form().control<rt::Label>("Label2").SetCaption("50");
         p.form().control<rt::Label>("Label4").SetCaption("15");
         p.form().control<rt::Label>("Label13").SetCaption("11点大，您赢");
         enable(p, {"Command5"}, {});
     }},
    {"tilbry", "Command1", {}, {}},
    {"tilbry", "Command2", [](ScriptedProgram& p) {
         type(p, "Text1", "228");
         type(p, "Text2", "246");
     }, {}},
    {"tilbry", "Command3", [](ScriptedProgram& p) {
         type(p, "Text1", "228");
         type(p, "Text2", "246");
     }, {}},
    {"tilbry", "Command4", [](ScriptedProgram& p) {
         type(p, "Text1", "228");
         type(p, "Text2", "246");
     }, {}},
    {"tilbry", "Command5", [](ScriptedProgram& p) {
         type(p, "Text1", "500");
         type(p, "Text2", "3");
     }, {}},
    {"quennet", "Command1", [](ScriptedProgram& p) { type(p, "Text1", "2000000001"); }, {}},
    {"brasky", "Command1", {}, {}},
    {"brasky", "Command2", {}, {}},
    {"brasky", "Command3", {}, {}},
    {"brasky", "Command4", {}, {}},
    {"mondrel", "Command1", [](ScriptedProgram& p) { type(p, "Text1", "9"); }, {}},
    {"sarnic", "Command1", [](ScriptedProgram& p) { type(p, "Text1", "2147483647"); }, {}},
    {"pellow", "Command1", [](ScriptedProgram& p) { type(p, "Text1", "10"); }, {}},
    {"grentam", "Command1",
     [](ScriptedProgram& p) {
         type(p, "Text1", std::string(50, '9'));
         type(p, "Text2", std::string(50, '9'));
     },
     {}},
    {"luvesk", "Command1", {}, {}},
    {"farrowd", "Command1", {}, {}},
};

void click_handler(benchmark::State& state, const HandlerCase& c) {
    const programs::ProgramModule& program = programs::find(c.program);
    ScriptedProgram p(program.window(), program.make_module);
    if (c.set_up) c.set_up(p);
    for (auto _ : state) {
        state.PauseTiming();
        if (c.before_each) c.before_each(p);
        // The printing programs that never clear would otherwise print into ever more lines.
        p.form().Cls();
        p.host().forget();
        state.ResumeTiming();
        p.click(c.button);
    }
    if (!p.host().dialogs().empty() && p.host().dialogs().back().title == "运行时错误")
        state.SkipWithError("the handler raised a runtime error");
}

void BM_Val(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(rt::Val("  2147483647.5e-3abc"));
}
void BM_FpI2(benchmark::State& state) {
    double value = 20.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(rt::FpI2(value));
    }
}
void BM_StrR8(benchmark::State& state) {
    double value = 2.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(rt::StrR8(value));
    }
}
void BM_Format(benchmark::State& state) {
    double value = 500.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(rt::Format(value, "0.###"));
    }
}
void BM_PrintNumberItem(benchmark::State& state) {
    rt::PrintedText printed;
    for (auto _ : state) {
        printed.print({rt::Int16(541)}, rt::PrintEnd::Semicolon);
        if (printed.current_line().size() > 4096) printed.clear();
    }
}
BENCHMARK(BM_Val);
BENCHMARK(BM_FpI2);
BENCHMARK(BM_StrR8);
BENCHMARK(BM_Format);
BENCHMARK(BM_PrintNumberItem);

}  // namespace

int main(int argc, char** argv) {
    for (const HandlerCase& c : kHandlers)
        benchmark::RegisterBenchmark((std::string(c.program) + "/" + c.button + "_Click").c_str(), click_handler, c)
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
