// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>

namespace rt::qt {

/// Qt's own texts in Chinese: Qt's translations where they are installed, with the few words
/// where they use an older form replaced by today's ("撤消" reads "撤销").
class ChineseTexts final : public QTranslator {
public:
    /// Loads Qt's Chinese translations; false when they are not installed.
    bool load_installed();

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace rt::qt
