// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace programs::testing {

/// Wall-clock time after which a click still running is taken for a hang. No click comes near
/// it: the slowest use some 0.2 s of processor time under the sanitizers and took 1.2 s of
/// wall-clock time with the machine loaded to 11 on 2 cores, so only a click that never ends
/// reaches a minute.
inline constexpr std::chrono::seconds kHangLimit{60};

/// Processor time the calling thread has used so far. Unlike the wall clock it does not run
/// on while other processes have the processor, so a bound on it holds on a busy machine.
std::chrono::nanoseconds thread_cpu_time();

/// Times the clicks of a test and ends the whole run when one of them takes far longer than any
/// click may: a click that hangs fails at once, saying what was running, instead of waiting for
/// the test's time limit.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit = kHangLimit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    /// Runs the action and returns the processor time it used on this thread. When it is still
    /// running after the limit (wall-clock), prints `what` and aborts.
    template <class Action>
    std::chrono::nanoseconds time(const std::string& what, Action&& action) {
        arm(what);
        const Disarm disarm{*this};
        const auto start = thread_cpu_time();
        action();
        return thread_cpu_time() - start;
    }

private:
    struct Disarm {
        Watchdog& dog;
        ~Disarm() { dog.disarm(); }
    };
    void arm(const std::string& what);
    void disarm();
    void watch();

    std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_armed = false;
    bool m_stop = false;
    std::chrono::steady_clock::time_point m_deadline;
    std::string m_what;
    std::thread m_thread;
};

}  // namespace programs::testing
