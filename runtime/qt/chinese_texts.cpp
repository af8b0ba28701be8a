// SPDX-License-Identifier: MIT
#include "rt/qt/chinese_texts.h"

#include <QLibraryInfo>

namespace rt::qt {

bool ChineseTexts::load_installed() {
    return load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString ChineseTexts::translate(const char* context, const char* source, const char* disambiguation, int n) const {
    QString text = QTranslator::translate(context, source, disambiguation, n);
    text.replace(QStringLiteral("撤消"), QStringLiteral("撤销"));
    return text;
}

}  // namespace rt::qt
