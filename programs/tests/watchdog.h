// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace programs::testing {

/// Times the clicks of a test and ends the whole run when one of them takes far longer than any
/// click may: a click that hangs fails at once, saying what was running, instead of waiting for
/// the test's time limit.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    /// Runs the action and returns how long it took. When it is still running after the limit,
    /// prints `what` and aborts.
    template <class Action>
    std::chrono::steady_clock::duration time(const std::string& what, Action&& action) {
        arm(what);
        const Disarm disarm{*this};
        const auto start = std::chrono::steady_clock::now();
        action();
        return std::chrono::steady_clock::now() - start;
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
