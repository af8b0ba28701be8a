// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace rt::qt {

/// A push button as the windows show it: Enter presses it as Space does (a held key presses it
/// once), and it draws the focus ring while it has focus.
class PushButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// A text box as the windows show it: it draws the focus ring while it has focus.
class LineEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace rt::qt
