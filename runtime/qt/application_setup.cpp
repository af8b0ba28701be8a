#include "application_setup.h"

#include <QFile>
#include <QIcon>
#include <QLocale>

#include "chinese_texts.h"
#include "fonts.h"
#include "print_surface.h"

namespace rt::qt {

namespace {

void load_chinese_translations(QApplication& application) {
    // The programs speak only Chinese, so Qt's own texts do too, whatever LANG says.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* texts = new ChineseTexts;
    texts->setParent(&application);
    if (texts->load_installed())
        QApplication::installTranslator(texts);
    else
        delete texts;  // not installed: Qt's own texts stay English, and the programs still run
}

}  // namespace

void set_up_application(QApplication& application) {
    load_chinese_translations(application);
    PrintSurface::install_accessibility();
    QApplication::setFont(qt_font(default_font()));
    const QString name = QApplication::applicationName();
    QApplication::setDesktopFileName(name);
    const QString icon = QStringLiteral(":/icons/%1.svg").arg(name);
    if (QFile::exists(icon)) QApplication::setWindowIcon(QIcon(icon));
}

}  // namespace rt::qt
