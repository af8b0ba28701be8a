// SPDX-License-Identifier: MIT
#include "launcher_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QVBoxLayout>

#include "rt/qt/application_setup.h"
#include "catalogue.h"
#include "rt/qt/controls.h"
#include "rt/qt/fonts.h"

namespace launcher {

namespace {

constexpr int kNameRole = Qt::UserRole;
const QString kTitle = QStringLiteral("教学小程序");

}  // namespace

LauncherWindow::LauncherWindow(QString program_dir, QWidget* parent)
    : QWidget(parent),
      m_program_dir(std::move(program_dir)),
      m_list(new QListWidget(this)),
      m_start(new rt::qt::PushButton(QStringLiteral("启动"), this)) {
    setWindowTitle(kTitle);
    m_dialogs.set_parent(this);

    auto* heading = new QLabel(QStringLiteral("选择一个程序，双击、按回车或点“启动”打开它。"), this);
    m_list->setIconSize(QSize(40, 40));
    m_list->setSpacing(2);
    m_list->setFont(rt::qt::qt_font(rt::song(12)));
    for (const ProgramEntry& entry : catalogue()) {
        const QString name = QString::fromUtf8(entry.name);
        auto* item = new QListWidgetItem(rt::qt::program_icon(name),
                                         QString::fromUtf8(entry.title) + QLatin1Char('\n') + QString::fromUtf8(entry.line),
                                         m_list);
        item->setData(kNameRole, name);
        item->setToolTip(name);
    }
    m_list->setCurrentRow(0);
    m_list->setAccessibleName(QStringLiteral("程序列表"));
    heading->setBuddy(m_list);
    m_list->installEventFilter(this);
    m_start->setDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list);
    layout->addWidget(m_start, 0, Qt::AlignRight);
    resize(520, 560);

    connect(m_list, &QListWidget::itemActivated, this, [this] { start_current(); });
    connect(m_start, &QPushButton::clicked, this, [this] { start_current(); });
}

// A held Enter repeats its key press; the list would start the program on each.
bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.isAutoRepeat() && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LauncherWindow::start_current() {
    const bool same_request = m_since_request.isValid() && m_since_request.elapsed() < QApplication::doubleClickInterval();
    if (!same_request)
        if (QListWidgetItem* item = m_list->currentItem()) start(item->data(kNameRole).toString());
    // Counted from when the launcher takes clicks again: starting a program can take a while.
    m_since_request.start();
}

bool LauncherWindow::start(const QString& name) {
    QString title = name;
    for (const ProgramEntry& entry : catalogue())
        if (name == QString::fromUtf8(entry.name)) title = QString::fromUtf8(entry.title);

    const QString path = m_program_dir + QLatin1Char('/') + name;
    const QFileInfo file(path);
    QString problem;
    if (!file.exists())
        problem = QStringLiteral("找不到程序文件 %1").arg(path);
    else if (!file.isExecutable())
        problem = QStringLiteral("程序文件 %1 不可执行").arg(path);
    else if (!QProcess::startDetached(path, {}, m_program_dir))
        problem = QStringLiteral("系统无法运行 %1").arg(path);
    if (problem.isEmpty()) return true;
    m_dialogs.MsgBox(QStringLiteral("无法启动“%1”：%2").arg(title, problem).toStdString(), rt::MsgBoxStyle::Critical,
                     "错误");
    return false;
}

}  // namespace launcher
