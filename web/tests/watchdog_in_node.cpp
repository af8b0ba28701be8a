// SPDX-License-Identifier: MIT
// The watchdog of the page's sweep driver. The driver runs without threads inside the node
// process of the browser test, which watches every step of the page for a hang itself; here
// the watchdog only lets the clicks run.
#include "watchdog.h"

namespace programs::testing {

// WebAssembly in node has no clock of a thread's processor time; the driver's one thread is
// timed by the steady clock.
std::chrono::nanoseconds thread_cpu_time() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

Watchdog::Watchdog(std::chrono::seconds limit) : m_limit(limit) {}

Watchdog::~Watchdog() = default;

void Watchdog::arm(const std::string& what) { m_what = what; }

void Watchdog::disarm() {}

void Watchdog::watch() {}

}  // namespace programs::testing
