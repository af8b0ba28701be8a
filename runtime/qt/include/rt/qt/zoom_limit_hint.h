// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QTimer>
#include <chrono>

namespace rt::qt {

/// "已是最大", shown for a moment at the top of a window whose zoom cannot grow (its next step
/// would not fit the screen, or it is at the last step), so that a zoom key that does nothing
/// says why. It takes neither focus nor clicks; screen readers find it by its text and are told
/// of it as an alert when it shows.
class ZoomLimitHint final : public QLabel {
public:
    static constexpr std::chrono::milliseconds kShownFor{2000};

    explicit ZoomLimitHint(QWidget& window);

    /// Shows the hint, at the window's zoom, for kShownFor from now.
    void show_at_zoom(int zoom);

private:
    QTimer m_hide;
};

}  // namespace rt::qt
