#include "qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace rt::qt {

namespace {

const QString kOk = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");

}  // namespace

QPixmap error_icon(qreal device_pixel_ratio) {
    constexpr int kSize = 32;
    QPixmap pixmap(QSize(kSize, kSize) * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
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
    box.setWindowTitle(QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt));
    box.setIconPixmap(error_icon(box.devicePixelRatioF()));
    QPushButton* ok = box.addButton(kOk, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

Text QtDialogs::InputBox(const Text& prompt, const Text& title) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(kCancel);
    if (dialog.exec() != QDialog::Accepted) return Text();
    return dialog.textValue().toStdString();
}

}  // namespace rt::qt
