// SPDX-License-Identifier: MIT
#include "launcher_window.h"

#include <QAccessible>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue.h"
#include "rt/qt/application_setup.h"
#include "rt/qt/controls.h"
#include "rt/qt/fonts.h"
#include "rt/qt/zoom_limit_hint.h"

namespace launcher {

namespace {

constexpr int kNameRole = Qt::UserRole;
const QString kTitle = QStringLiteral("教学小程序");

// The window, its icons and its fonts at 100 %; the zoom scales them all.
constexpr QSize kSize(520, 560);
constexpr int kIconSize = 40;
const rt::Font kListFont = rt::song(12);

int scaled(int length, int zoom) { return length * zoom / 100; }

}  // namespace

LauncherWindow::LauncherWindow(QString program_dir, Clock clock)
    : m_program_dir(std::move(program_dir)),
      m_clock(std::move(clock)),
      m_heading(new QLabel(QStringLiteral("选择一个程序，双击、按回车或点“启动”打开它。"), this)),
      m_list(new QListWidget(this)),
      m_start(new rt::qt::PushButton(QStringLiteral("启动"), this)) {
    setWindowTitle(kTitle);
    m_dialogs.set_parent(this);

    // At the largest zooms the heading takes two lines rather than widen the window.
    m_heading->setWordWrap(true);
    m_list->setSpacing(2);
    for (const ProgramEntry& entry : catalogue()) {
        const QString name = QString::fromUtf8(entry.name);
        const QString title = QString::fromUtf8(entry.title);
        const QString line = QString::fromUtf8(entry.line);
        auto* item = new QListWidgetItem(rt::qt::program_icon(name), title + QLatin1Char('\n') + line, m_list);
        item->setData(kNameRole, name);
        // Screen readers read the title as the item's name and its line as its description.
        item->setData(Qt::AccessibleTextRole, title);
        item->setData(Qt::AccessibleDescriptionRole, line);
        item->setToolTip(name);
    }
    m_list->setAccessibleName(QStringLiteral("程序列表"));
    m_heading->setBuddy(m_list);
    m_list->installEventFilter(this);
    m_start->setDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_list);
    layout->addWidget(m_start, 0, Qt::AlignRight);
    set_zoom(rt::qt::kDescribedZoom);

    connect(m_list, &QListWidget::currentRowChanged, this, [this] { describe_current_program(); });
    m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemActivated, this, [this] { start_current(); });
    connect(m_start, &QPushButton::clicked, this, [this] { start_current(); });
    rt::qt::add_zoom_keys(
        *this, [this] { zoom_in(); }, [this] { set_zoom(rt::qt::previous_zoom_step(m_zoom)); },
        [this] { set_zoom(rt::qt::kDescribedZoom); });
}

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
    // A held Enter repeats its key press; the list would start the program on each.
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.isAutoRepeat() && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) return true;
    }
    // When the list gets focus, screen readers are told of its current item too (after the
    // list itself), as Qt tells them when the current item changes: the chosen program is read
    // with the list, not only after an arrow key.
    if (event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_list->hasFocus() || m_list->currentRow() < 0) return;
                QAccessibleEvent focus(m_list, QAccessible::Focus);
                focus.setChild(m_list->currentRow());
                QAccessible::updateAccessibility(&focus);
            },
            Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

// The list's description names the chosen program, so that a screen reader on the list, or
// one that reads the window, says which program Enter would start.
void LauncherWindow::describe_current_program() {
    QString description;
    if (const QListWidgetItem* item = m_list->currentItem())
        description = item->data(Qt::AccessibleTextRole).toString() + QStringLiteral("，") +
                      item->data(Qt::AccessibleDescriptionRole).toString();
    m_list->setAccessibleDescription(description);
}

void LauncherWindow::start_current() {
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr) return;
    const QString name = item->data(kNameRole).toString();
    const auto last = m_started_at.constFind(name);
    if (last != m_started_at.cend() && m_clock() - *last < kOneStartPer) return;
    // Counted from when the start has finished: starting a program can take a while, and the
    // clicks that came meanwhile are the same request.
    if (start(name)) m_started_at.insert(name, m_clock());
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

void LauncherWindow::set_zoom(int zoom) {
    m_zoom = zoom;
    const QFont text = rt::qt::qt_font(rt::default_font(), zoom);
    m_heading->setFont(text);
    m_start->setFont(text);
    m_list->setFont(rt::qt::qt_font(kListFont, zoom));
    m_list->setIconSize(QSize(scaled(kIconSize, zoom), scaled(kIconSize, zoom)));
    // The window grows with its text as far as the screen allows, and stays on it; the list
    // scrolls beyond.
    const QSize frame = frameGeometry().size() - size();
    const QRect available = screen()->availableGeometry();
    resize((kSize * zoom / 100).boundedTo(available.size() - frame));
    const QSize outer = size() + frame;
    move(std::clamp(x(), available.left(), available.right() + 1 - outer.width()),
         std::clamp(y(), available.top(), available.bottom() + 1 - outer.height()));
    if (m_zoom_limit_hint != nullptr) m_zoom_limit_hint->hide();
}

// The list scrolls, so the launcher zooms to the last step whatever the screen; there it says
// that it cannot grow.
void LauncherWindow::zoom_in() {
    const int next = rt::qt::next_zoom_step(m_zoom);
    if (next != m_zoom) {
        set_zoom(next);
        return;
    }
    if (m_zoom_limit_hint == nullptr) m_zoom_limit_hint = new rt::qt::ZoomLimitHint(*this);
    m_zoom_limit_hint->show_at_zoom(m_zoom);
}

}  // namespace launcher
