// SPDX-License-Identifier: MIT
#include "rt/qt/application_setup.h"

#include <QEvent>
#include <QFile>
#include <QLocale>

#include "rt/qt/accessibility.h"
#include "rt/qt/carried_keys.h"
#include "rt/qt/chinese_texts.h"
#include "rt/qt/cursor_blink.h"
#include "rt/qt/fonts.h"

namespace rt::qt {

namespace {

void load_chinese_translations(QApplication& application) {
    // The programs speak only Chinese, so Qt's own texts do too, whatever LANG says.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // The windows are laid out as described, left to right, under any desktop language.
    QApplication::setLayoutDirection(Qt::LeftToRight);
    auto* texts = new ChineseTexts;
    texts->setParent(&application);
    if (texts->load_installed())
        QApplication::installTranslator(texts);
    else
        delete texts;  // not installed: Qt's own texts stay English, and the programs still run
}

/// Sets the application's icon after the first paint of the window it watches, then goes.
class IconAfterFirstFrame final : public QObject {
public:
    explicit IconAfterFirstFrame(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(program_icon(QApplication::applicationName()));
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

QIcon program_icon(const QString& name) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QString file = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
        if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    return icon;
}

void show_main_window(QWidget& window) {
    QApplication::setDesktopFileName(QApplication::applicationName());
    new IconAfterFirstFrame(window);
    window.show();
    // Window managers give a new window the keyboard; where there is none, it asks itself.
    window.activateWindow();
}

void set_up_application(QApplication& application) {
    load_chinese_translations(application);
    install_accessibility();
    // Setting the application font forgets the platform's title bar font, which dialogs need
    // to be wide enough for their titles.
    const QFont title_bar_font = QApplication::font("QMdiSubWindowTitleBar");
    const bool platform_names_title_bar_font = title_bar_font != QApplication::font();
    QApplication::setFont(qt_font(default_font()));
    if (platform_names_title_bar_font) QApplication::setFont(title_bar_font, "QMdiSubWindowTitleBar");
    stop_cursor_blinking_when_idle(application);
    drop_keys_carried_into_windows(application);
}

}  // namespace rt::qt
