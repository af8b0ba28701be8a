// SPDX-License-Identifier: MIT
// Start-up, memory and idle cost of each program against a bare Qt window with the same widgets
// in the same face (bare-window, built from this folder), on Qt's offscreen platform and under a
// private Xvfb. The two are started alternately, so that both see the same machine.
//
//   startup-bench [--bin DIR] [--rounds N] [--idle SECONDS] [--platform offscreen|xcb|both]
//                 [--family FAMILY] [--against DIR] [PROGRAM...]
//   startup-bench --bare-command PROGRAM    (the bare window's command line, NUL-separated, for
//                                            profiling it beside the program: xargs -0)
//
// With --against DIR each program is compared with the same program built in DIR (a commit
// before a change) instead of the bare window.
//
// Per start: the time from spawning the process to its first painted frame and the CPU time it
// used until then (both reported by the process itself, see RT_FIRST_FRAME_REPORT). Per idle run
// (three, all windows open together): the CPU time used over the idle seconds after the windows
// have settled, read from /proc/PID/schedstat, the repaints during them, and then each one's
// peak resident memory (VmHWM).
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "all_programs.h"
#include "statistics.h"

extern char** environ;

namespace {

long long monotonic_ns() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

struct Options {
    std::string bin = "build/bin";
    int rounds = 11;
    double idle_seconds = 3;
    std::vector<std::string> platforms{"offscreen", "xcb"};
    std::string family = "AR PL UMing CN";
    std::vector<std::string> programs;
    std::string bare_command_of;
    std::string against;  // the other build's bin directory; empty for the bare window
};

/// A child process whose standard output is read line by line.
class Child {
public:
    Child(const std::vector<std::string>& argv, const std::map<std::string, std::string>& extra_env) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> env_strings;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            const std::string key = entry.substr(0, entry.find('='));
            if (!extra_env.contains(key)) env_strings.push_back(entry);
        }
        for (const auto& [key, value] : extra_env) env_strings.push_back(key + "=" + value);
        std::vector<char*> env_pointers, arg_pointers;
        for (auto& s : env_strings) env_pointers.push_back(s.data());
        env_pointers.push_back(nullptr);
        std::vector<std::string> args = argv;
        for (auto& s : args) arg_pointers.push_back(s.data());
        arg_pointers.push_back(nullptr);
        started_ns = monotonic_ns();
        const int error = posix_spawn(&m_pid, args[0].c_str(), &actions, nullptr, arg_pointers.data(), env_pointers.data());
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        m_out = fds[0];
        if (error != 0) throw std::runtime_error("cannot start " + args[0] + ": " + std::strerror(error));
    }
    ~Child() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        close(m_out);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    /// The next line of output, or nothing when none comes within the time.
    std::optional<std::string> line(double timeout_seconds) {
        const long long deadline = monotonic_ns() + static_cast<long long>(timeout_seconds * 1e9);
        while (true) {
            const auto newline = m_buffer.find('\n');
            if (newline != std::string::npos) {
                std::string result = m_buffer.substr(0, newline);
                m_buffer.erase(0, newline + 1);
                return result;
            }
            // Past the deadline the pipe is still looked at once, without waiting.
            const long long left_ms = std::max(0LL, (deadline - monotonic_ns()) / 1'000'000);
            pollfd p{m_out, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left_ms)) <= 0) return std::nullopt;
            char chunk[4096];
            const ssize_t n = read(m_out, chunk, sizeof chunk);
            if (n <= 0) return std::nullopt;
            m_buffer.append(chunk, static_cast<std::size_t>(n));
        }
    }
    /// Lines already written, without waiting.
    int count_lines_now() {
        int count = 0;
        while (line(0)) ++count;
        return count;
    }
    /// The process's peak resident memory so far, in MiB (VmHWM).
    double peak_rss_mib() const {
        std::ifstream in("/proc/" + std::to_string(m_pid) + "/status");
        std::string key;
        long long kib = 0;
        while (in >> key) {
            if (key == "VmHWM:") {
                in >> kib;
                break;
            }
            in.ignore(1 << 16, '\n');
        }
        return static_cast<double>(kib) / 1024;
    }
    /// Nanoseconds the process has run on a CPU.
    long long cpu_ns() const {
        std::ifstream in("/proc/" + std::to_string(m_pid) + "/schedstat");
        long long ns = 0;
        in >> ns;
        return ns;
    }

    long long started_ns = 0;

private:
    pid_t m_pid = 0;
    int m_out = -1;
    std::string m_buffer;
};

struct FirstFrame {
    double ms = 0;      // spawn to first painted frame
    double cpu_ms = 0;  // CPU time of the process until then
};

FirstFrame parse_first_frame(const std::string& line, long long started_ns) {
    std::istringstream in(line);
    std::string tag;
    long long mono = 0, cpu = 0;
    in >> tag >> mono >> cpu;
    if (tag != "first-frame") throw std::runtime_error("unexpected output: " + line);
    return {static_cast<double>(mono - started_ns) / 1e6, static_cast<double>(cpu) / 1e6};
}

/// The bare window's command line for a program's window: the same size, title and widgets.
std::vector<std::string> bare_command(const Options& options, const rt::FormDescription& d) {
    auto px = [](int twips) { return std::to_string((twips + 7) / 15); };
    auto font_px = [](const std::optional<rt::Font>& font) {
        return std::to_string(static_cast<int>(std::lround(font.value_or(rt::default_font()).points * 96 / 72)));
    };
    std::vector<std::string> command{options.bin + "/bare-window", px(d.width), px(d.height), d.caption, options.family};
    for (const rt::ControlDescription& c : d.controls) {
        const char* kind = c.kind == rt::ControlKind::Label ? "label" : c.kind == rt::ControlKind::TextBox ? "edit" : "button";
        command.insert(command.end(), {kind, px(c.left), px(c.top), px(c.width), px(c.height), font_px(c.font), c.caption});
    }
    return command;
}

/// What a program is measured against: the bare window, or the same program from another build.
std::vector<std::string> other_command(const Options& options, const programs::ProgramModule& program) {
    if (options.against.empty()) return bare_command(options, program.description());
    return {options.against + "/" + std::string(program.name)};
}

struct Samples {
    std::vector<double> ms, cpu_ms, rss_mib, idle_percent;
    std::vector<int> idle_paints;
};

using bench::median;
using bench::minimum;

std::map<std::string, std::string> platform_env(const std::string& platform, const std::string& display,
                                                const char* mode) {
    std::map<std::string, std::string> env{{"QT_QPA_PLATFORM", platform}, {"RT_FIRST_FRAME_REPORT", mode},
                                           {"QT_SCALE_FACTOR", "1"}};
    if (platform == "xcb") env["DISPLAY"] = display;
    return env;
}

void measure_start(const std::vector<std::string>& command, const std::map<std::string, std::string>& env, Samples& s) {
    Child child(command, env);
    const auto line = child.line(30);
    if (!line) throw std::runtime_error("no first frame from " + command[0]);
    const FirstFrame f = parse_first_frame(*line, child.started_ns);
    s.ms.push_back(f.ms);
    s.cpu_ms.push_back(f.cpu_ms);
}

/// Idle cost of several windows at once (idle windows do not disturb one another): start them
/// all, let them settle (the start-up's own work ends, text cursors stop blinking five seconds
/// after the last input), then read the CPU each uses over the idle seconds, the repaints in
/// them, and each one's peak resident memory.
void measure_idle(const std::vector<std::pair<std::vector<std::string>, Samples*>>& runs,
                  const std::map<std::string, std::string>& env, double idle_seconds) {
    std::vector<std::unique_ptr<Child>> children;
    for (const auto& [command, samples] : runs) {
        children.push_back(std::make_unique<Child>(command, env));
        if (!children.back()->line(30)) throw std::runtime_error("no first frame from " + command[0]);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(6500));
    std::vector<long long> cpu_before;
    for (auto& child : children) {
        child->count_lines_now();
        cpu_before.push_back(child->cpu_ns());
    }
    const long long t_before = monotonic_ns();
    std::this_thread::sleep_for(std::chrono::duration<double>(idle_seconds));
    const auto elapsed = static_cast<double>(monotonic_ns() - t_before);
    for (std::size_t i = 0; i < children.size(); ++i) {
        Samples& s = *runs[i].second;
        s.idle_percent.push_back(100.0 * static_cast<double>(children[i]->cpu_ns() - cpu_before[i]) / elapsed);
        s.idle_paints.push_back(children[i]->count_lines_now());
        s.rss_mib.push_back(children[i]->peak_rss_mib());
    }
}

/// A private X display for the xcb runs; Xvfb writes the display number it took.
class Xvfb {
public:
    Xvfb() {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe");
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDERR_FILENO);
            dup2(null, STDOUT_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x1200x24", "-dpi", "96", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char buffer[32] = {};
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 15000) <= 0 || read(fds[0], buffer, sizeof buffer - 1) <= 0)
            throw std::runtime_error("Xvfb did not start");
        close(fds[0]);
        display = ":" + std::string(buffer, std::strcspn(buffer, "\n"));
    }
    ~Xvfb() {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    std::string display;

private:
    pid_t m_pid = 0;
};

void run_platform(const Options& options, const std::string& platform) {
    std::optional<Xvfb> xvfb;
    if (platform == "xcb") xvfb.emplace();
    const std::string display = xvfb ? xvfb->display : "";
    std::vector<const programs::ProgramModule*> chosen;
    for (const auto& program : programs::all())
        if (options.programs.empty() || std::find(options.programs.begin(), options.programs.end(), program.name) !=
                                            options.programs.end())
            chosen.push_back(&program);

    std::map<std::string, Samples> program_samples, bare_samples;
    const auto quit_env = platform_env(platform, display, "quit");
    const auto watch_env = platform_env(platform, display, "watch");
    // One start of each, not counted: the first clients of a fresh display and the first reads
    // of the libraries and fonts are not what a user's start sees.
    for (const auto* program : chosen) {
        Samples discarded;
        measure_start(other_command(options, *program), quit_env, discarded);
        measure_start({options.bin + "/" + std::string(program->name)}, quit_env, discarded);
    }
    for (int round = 0; round < options.rounds; ++round) {
        for (const auto* program : chosen) {
            const std::string name(program->name);
            const std::vector<std::string> own{options.bin + "/" + name};
            const auto bare = other_command(options, *program);
            // Alternate which goes first, so that neither always follows the other.
            if (round % 2 == 0) {
                measure_start(bare, quit_env, bare_samples[name]);
                measure_start(own, quit_env, program_samples[name]);
            } else {
                measure_start(own, quit_env, program_samples[name]);
                measure_start(bare, quit_env, bare_samples[name]);
            }
        }
        std::fprintf(stderr, "%s: round %d of %d\r", platform.c_str(), round + 1, options.rounds);
    }
    for (int run = 0; run < 3; ++run) {
        std::vector<std::pair<std::vector<std::string>, Samples*>> runs;
        for (const auto* program : chosen) {
            const std::string name(program->name);
            runs.push_back({other_command(options, *program), &bare_samples[name]});
            runs.push_back({{options.bin + "/" + name}, &program_samples[name]});
        }
        measure_idle(runs, watch_env, options.idle_seconds);
    }

    std::printf("\n%s platform, %d alternating starts each; times in ms, memory in MiB\n", platform.c_str(), options.rounds);
    std::printf("%-8s | %21s | %21s | %17s | %23s | %s\n", "program", "first frame min (med)", "CPU to frame min (med)",
                "peak RSS (med)", "ratios frame/CPU/RSS", "idle CPU %, repaints");
    const std::string versus = options.against.empty() ? "program / bare" : "program / before";
    std::printf("%-8s | %21s | %21s | %17s | %23s | %s\n", "", versus.c_str(), versus.c_str(), versus.c_str(), "",
                versus.c_str());
    for (const auto* program : chosen) {
        const std::string name(program->name);
        const Samples& p = program_samples[name];
        const Samples& b = bare_samples[name];
        std::printf("%-8s | %4.1f (%4.1f) / %4.1f (%4.1f) | %4.1f (%4.1f) / %4.1f (%4.1f) | %7.2f / %7.2f | %5.3f / %5.3f / %5.3f | %.3f %d / %.3f\n",
                    name.c_str(), minimum(p.ms), median(p.ms), minimum(b.ms), median(b.ms), minimum(p.cpu_ms),
                    median(p.cpu_ms), minimum(b.cpu_ms), median(b.cpu_ms), median(p.rss_mib), median(b.rss_mib),
                    minimum(p.ms) / minimum(b.ms), minimum(p.cpu_ms) / minimum(b.cpu_ms),
                    median(p.rss_mib) / median(b.rss_mib), median(p.idle_percent),
                    *std::max_element(p.idle_paints.begin(), p.idle_paints.end()), median(b.idle_percent));
    }
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--bin") options.bin = value();
        else if (arg == "--rounds") options.rounds = std::stoi(value());
        else if (arg == "--idle") options.idle_seconds = std::stod(value());
        else if (arg == "--family") options.family = value();
        else if (arg == "--bare-command") options.bare_command_of = value();
        else if (arg == "--against") options.against = value();
        else if (arg == "--platform") {
            const std::string p = value();
            options.platforms = p == "both" ? std::vector<std::string>{"offscreen", "xcb"} : std::vector<std::string>{p};
        } else options.programs.push_back(arg);
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        if (!options.bare_command_of.empty()) {
            for (const std::string& arg : bare_command(options, programs::find(options.bare_command_of).description()))
                std::fwrite(arg.c_str(), 1, arg.size() + 1, stdout);
            return 0;
        }
        for (const std::string& platform : options.platforms) run_platform(options, platform);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup-bench: %s\n", e.what());
        return 1;
    }
}
