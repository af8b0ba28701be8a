// SPDX-License-Identifier: MIT
// The floor the programs are measured against: a bare Qt 6 window with the widgets it is told
// of, in the face it is told, and nothing else (no runtime, no translations, no icon).
//
//   bare-window WIDTH HEIGHT TITLE FAMILY [KIND LEFT TOP WIDTH HEIGHT PIXELS TEXT]...
//
// KIND is label, edit or button; geometry and font size are in pixels. With
// RT_FIRST_FRAME_REPORT set it reports its first painted frame as the programs do.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

long long now_ns(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

class FirstFrame : public QObject {
public:
    explicit FirstFrame(bool quit) : m_quit(quit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* window = static_cast<QWidget*>(watched);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-frame %lld %lld %ld %dx%d %s\n", now_ns(CLOCK_MONOTONIC), now_ns(CLOCK_PROCESS_CPUTIME_ID),
                    usage.ru_maxrss, window->width(), window->height(), qPrintable(window->windowTitle()));
        std::fflush(stdout);
        window->removeEventFilter(this);
        if (m_quit) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }

private:
    bool m_quit;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 5 || (argc - 5) % 7 != 0) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT TITLE FAMILY [KIND LEFT TOP WIDTH HEIGHT PIXELS TEXT]...\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.setWindowTitle(QString::fromUtf8(argv[3]));
    const QString family = QString::fromUtf8(argv[4]);
    for (int i = 5; i < argc; i += 7) {
        const QByteArray kind = argv[i];
        const QString text = QString::fromUtf8(argv[i + 6]);
        QWidget* widget = nullptr;
        if (kind == "label") widget = new QLabel(text, &window);
        else if (kind == "edit") widget = new QLineEdit(text, &window);
        else widget = new QPushButton(text, &window);
        widget->setGeometry(std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]), std::atoi(argv[i + 4]));
        QFont font(family);
        font.setPixelSize(std::atoi(argv[i + 5]));
        widget->setFont(font);
    }
    const QByteArray mode = qgetenv("RT_FIRST_FRAME_REPORT");
    FirstFrame first_frame(mode == "quit");
    if (!mode.isEmpty()) window.installEventFilter(&first_frame);
    window.show();
    return QApplication::exec();
}
