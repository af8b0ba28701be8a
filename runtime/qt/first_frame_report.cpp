#include "first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace rt::qt {

namespace {

class FirstFrameWatcher final : public QObject {
public:
    FirstFrameWatcher(QWidget& window, bool quit) : QObject(&window), m_quit(quit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        auto* window = static_cast<QWidget*>(watched);
        std::printf("first-frame %lld %dx%d %s\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec,
                    window->width(), window->height(), window->windowTitle().toUtf8().constData());
        std::fflush(stdout);
        window->removeEventFilter(this);
        if (m_quit) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        deleteLater();
        return false;
    }

private:
    bool m_quit;
};

}  // namespace

void report_first_frame(QWidget& window) {
    const QByteArray mode = qgetenv("RT_FIRST_FRAME_REPORT");
    if (mode.isEmpty()) return;
    window.installEventFilter(new FirstFrameWatcher(window, mode == "quit"));
}

}  // namespace rt::qt
