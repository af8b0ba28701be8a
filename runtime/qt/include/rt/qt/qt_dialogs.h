// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "rt/services.h"

namespace rt::qt {

/// MsgBox and InputBox as real modal dialogs, in Chinese: the buttons read 确定 and 取消. They
/// are at least as wide as their title bars need to show the whole title.
class QtDialogs final : public Dialogs {
public:
    /// The window the dialogs belong to: they open centred over it, at its zoom.
    void set_parent(QWidget* parent) { m_parent = parent; }

    void MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) override;
    /// Enter is OK; Cancel, Escape and closing the dialog give empty text.
    Text InputBox(const Text& prompt, const Text& title) override;

private:
    QPointer<QWidget> m_parent;
};

/// The error icon of style 16: a red disc with a white cross, drawn here so that it looks the
/// same whatever icon theme the desktop has.
QPixmap error_icon(qreal device_pixel_ratio, int zoom = 100);

/// The width a dialog needs for its title bar to show the whole title: the title in the font
/// of title bars, with room for the bar's icon and buttons.
int title_bar_width(const QString& title);

}  // namespace rt::qt
