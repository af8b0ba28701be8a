// SPDX-License-Identifier: MIT
#include "rt/qt/first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace rt::qt {

namespace {

long long now_ns(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

enum class Mode { Report, Quit, Watch };

class FirstFrameWatcher final : public QObject {
public:
    FirstFrameWatcher(QWidget& window, Mode mode) : QObject(&window), m_window(window), m_mode(mode) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        if (m_first_seen) {
            std::printf("paint %s\n", watched->metaObject()->className());
            std::fflush(stdout);
            return false;
        }
        if (watched != &m_window) return false;
        m_first_seen = true;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-frame %lld %lld %ld %dx%d %s\n", now_ns(CLOCK_MONOTONIC), now_ns(CLOCK_PROCESS_CPUTIME_ID),
                    usage.ru_maxrss, m_window.width(), m_window.height(), m_window.windowTitle().toUtf8().constData());
        std::fflush(stdout);
        if (m_mode == Mode::Quit)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        if (m_mode != Mode::Watch) watched->removeEventFilter(this);
        return false;
    }

private:
    QWidget& m_window;
    Mode m_mode;
    bool m_first_seen = false;
};

}  // namespace

void report_first_frame(QWidget& window) {
    const QByteArray value = qgetenv("RT_FIRST_FRAME_REPORT");
    if (value.isEmpty()) return;
    const Mode mode = value == "quit" ? Mode::Quit : value == "watch" ? Mode::Watch : Mode::Report;
    auto* watcher = new FirstFrameWatcher(window, mode);
    // Watching every widget's paints needs the application's filter; the first frame alone
    // needs only the window's.
    if (mode == Mode::Watch)
        qApp->installEventFilter(watcher);
    else
        window.installEventFilter(watcher);
}

}  // namespace rt::qt
