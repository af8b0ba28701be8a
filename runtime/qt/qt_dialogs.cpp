// SPDX-License-Identifier: MIT
#include "rt/qt/qt_dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include "rt/qt/focus_ring.h"
#include "rt/qt/fonts.h"
#include "rt/qt/form_window.h"

namespace rt::qt {

namespace {

const QString kOk = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");

/// The zoom of the window a dialog opens over; the described size for any other window.
int zoom_of(const QWidget* parent) {
    const auto* window = dynamic_cast<const FormWindow*>(parent);
    return window != nullptr ? window->zoom() : kDescribedZoom;
}

/// The window a dialog closed over gets the keyboard back, with focus where it was, even where
/// no window manager hands it back.
void give_keyboard_back(QWidget* parent) {
    if (parent != nullptr && parent->isVisible()) parent->activateWindow();
}

}  // namespace

int title_bar_width(const QString& title) {
    // Qt keeps the platform's title bar font under this name, and the application font where
    // the platform names none.
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    // The window icon and three buttons, each a square about as tall as the bar, and margins.
    const int bar_height = metrics.height() + 12;
    return metrics.horizontalAdvance(title) + 4 * bar_height + 24;
}

QPixmap error_icon(qreal device_pixel_ratio, int zoom) {
    constexpr int kSize = 32;
    const qreal scale = zoom / 100.0;
    QPixmap pixmap(QSize(kSize, kSize) * scale * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 36, 36));
    painter.drawEllipse(QRectF(1, 1, kSize - 2, kSize - 2));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(kSize - 10, kSize - 10));
    painter.drawLine(QPointF(kSize - 10, 10), QPointF(10, kSize - 10));
    return pixmap;
}

void QtDialogs::MsgBox(const Text& prompt, MsgBoxStyle, const Text& title) {
    QMessageBox box(m_parent);
    const int zoom = zoom_of(m_parent);
    box.setFont(qt_font(default_font(), zoom));
    box.setWindowTitle(QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt));
    box.setIconPixmap(error_icon(box.devicePixelRatioF(), zoom));
    QPushButton* ok = box.addButton(kOk, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // The box sizes itself to its layout when shown; a row as wide as the title bar needs
    // keeps it from getting narrower.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title_bar_width(box.windowTitle()), 0), grid->rowCount(), 0, 1, grid->columnCount());
    use_focus_ring_inside(box);
    box.exec();
    give_keyboard_back(m_parent);
}

Text QtDialogs::InputBox(const Text& prompt, const Text& title) {
    QInputDialog dialog(m_parent);
    dialog.setFont(qt_font(default_font(), zoom_of(m_parent)));
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setMinimumWidth(title_bar_width(dialog.windowTitle()));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(kCancel);
    use_focus_ring_inside(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    give_keyboard_back(m_parent);
    if (!accepted) return Text();
    return dialog.textValue().toStdString();
}

}  // namespace rt::qt
