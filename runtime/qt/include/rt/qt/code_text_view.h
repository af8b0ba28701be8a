// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <optional>

#include "rt/code_view.h"

namespace rt::qt {

/// One source file, read-only, in its colours, with the line numbers drawn in a margin beside
/// the text (never selected or copied with it). Two marks light whole lines: the handler that
/// ran, and the row of the control with focus.
class CodeTextView final : public QPlainTextEdit {
public:
    enum class Mark { Ran, Focus };

    CodeTextView(const SourceFile& file, QWidget* parent);

    /// Lays the text out in a face of the size for the zoom, in percent.
    void set_zoom(int zoom);
    /// Marks the lines (nullopt clears the mark); a handler that ran is scrolled into view.
    void set_mark(Mark mark, std::optional<LineRange> lines);
    std::optional<LineRange> mark(Mark mark) const { return mark == Mark::Ran ? m_ran : m_focus; }
    /// The text of a line, counted from 1.
    QString line_text(int line) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class LineNumbers;
    void show_marks();
    int numbers_width() const;
    void paint_numbers(QPaintEvent* event);

    LineNumbers* m_numbers;
    std::optional<LineRange> m_ran;
    std::optional<LineRange> m_focus;
};

}  // namespace rt::qt
