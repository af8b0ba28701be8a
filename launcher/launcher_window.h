// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "rt/qt/qt_dialogs.h"

namespace launcher {

/// "教学小程序": the ten programs, each with its Chinese title and one line. Double-click,
/// Enter or the 启动 button starts the chosen one as a separate process; the launcher stays.
/// One request starts one copy: a double click on 启动 or a held Enter starts it once.
class LauncherWindow final : public QWidget {
public:
    /// Programs are started from `program_dir` (where the launcher's own executable lies).
    explicit LauncherWindow(QString program_dir, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QPushButton* start_button() const { return m_start; }
    /// Starts the named program; a program that cannot be started is reported in a message box.
    bool start(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start_current();

    QString m_program_dir;
    QListWidget* m_list;
    QPushButton* m_start;
    rt::qt::QtDialogs m_dialogs;
    QElapsedTimer m_since_request;  // the clicks of a double click are one request
};

}  // namespace launcher
