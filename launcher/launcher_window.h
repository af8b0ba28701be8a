// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>

#include "rt/qt/qt_dialogs.h"
#include "rt/qt/zoom.h"

namespace rt::qt {
class ZoomLimitHint;
}

namespace launcher {

/// "教学小程序": the ten programs, each with its Chinese title and one line. Double-click,
/// Enter or the 启动 button starts the chosen one as a separate process; the launcher stays.
/// A program starts at most once in kOneStartPer, whatever asks for it: two clicks on 启动,
/// Enter twice or held down start one copy. The programs' zoom keys zoom its text and icons.
class LauncherWindow final : public QWidget {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kOneStartPer{2000};

    /// Programs are started from `program_dir` (where the launcher's own executable lies); the
    /// clock times the starts.
    explicit LauncherWindow(QString program_dir, Clock clock = std::chrono::steady_clock::now);

    QListWidget* list() const { return m_list; }
    QPushButton* start_button() const { return m_start; }
    /// Starts the named program; a program that cannot be started is reported in a message box.
    bool start(const QString& name);

    /// The zoom in percent, one of rt::qt::kZoomSteps.
    int zoom() const { return m_zoom; }
    void set_zoom(int zoom);
    /// "已是最大" after a zoom key that could not grow the window; nullptr until first needed.
    rt::qt::ZoomLimitHint* zoom_limit_hint() const { return m_zoom_limit_hint; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start_current();
    void zoom_in();
    void describe_current_program();

    QString m_program_dir;
    Clock m_clock;
    QHash<QString, std::chrono::steady_clock::time_point> m_started_at;  // when each last started
    QLabel* m_heading;
    QListWidget* m_list;
    QPushButton* m_start;
    rt::qt::QtDialogs m_dialogs;
    int m_zoom = rt::qt::kDescribedZoom;
    rt::qt::ZoomLimitHint* m_zoom_limit_hint = nullptr;
};

}  // namespace launcher
