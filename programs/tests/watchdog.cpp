// SPDX-License-Identifier: MIT
#include "watchdog.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace programs::testing {

std::chrono::nanoseconds thread_cpu_time() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

Watchdog::Watchdog(std::chrono::seconds limit) : m_limit(limit), m_thread([this] { watch(); }) {}

Watchdog::~Watchdog() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void Watchdog::arm(const std::string& what) {
    {
        const std::lock_guard lock(m_mutex);
        m_what = what;
        m_deadline = std::chrono::steady_clock::now() + m_limit;
        m_armed = true;
    }
    m_changed.notify_all();
}

void Watchdog::disarm() {
    {
        const std::lock_guard lock(m_mutex);
        m_armed = false;
    }
    m_changed.notify_all();
}

void Watchdog::watch() {
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (!m_armed) {
            m_changed.wait(lock);
        } else if (std::chrono::steady_clock::now() >= m_deadline) {
            std::fprintf(stderr, "\nStill running after %lld seconds, taken for a hang: %s\n",
                         static_cast<long long>(m_limit.count()), m_what.c_str());
            std::fflush(stderr);
            std::abort();
        } else {
            m_changed.wait_until(lock, m_deadline);
        }
    }
}

}  // namespace programs::testing
