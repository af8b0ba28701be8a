// SPDX-License-Identifier: MIT
// Every Click handler of every program through the scripted host (dialogs answered from the
// script, so their waiting is not counted), and the runtime conversions the handlers use most.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "all_programs.h"
#include "handler_case.h"
#include "rt/conversions.h"
#include "rt/printing.h"
#include "rt/testing/scripted_program.h"

#include "program_handler_cases_declarations.inc"

namespace {

using rt::testing::ScriptedProgram;

// Each program's cases, from its folder (tests/bench_cases.cpp, namespace FOLDER::tests).
struct ProgramCases {
    std::string_view program;
    std::vector<bench::HandlerCase> cases;
};
const ProgramCases kHandlers[] = {
#include "program_handler_cases.inc"
};

void click_handler(benchmark::State& state, std::string_view name, const bench::HandlerCase& c) {
    const programs::ProgramModule& program = programs::find(name);
    ScriptedProgram p(program.description(), program.make_module);
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
    for (const ProgramCases& program : kHandlers)
        for (const bench::HandlerCase& c : program.cases)
            benchmark::RegisterBenchmark((std::string(program.program) + "/" + c.button + "_Click").c_str(),
                                         click_handler, program.program, c)
                ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
