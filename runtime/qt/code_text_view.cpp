// SPDX-License-Identifier: MIT
#include "rt/qt/code_text_view.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>

#include "rt/qt/fonts.h"

namespace rt::qt {

namespace {

// One palette for the code, every colour at least 4.5:1 against the background and both marks.
const QColor kBackground(0xFF, 0xFF, 0xFF);
const QColor kPlain(0x1F, 0x1F, 0x1F);
const QColor kMargin(0xF2, 0xF2, 0xF2);
const QColor kLineNumber(0x5F, 0x5F, 0x5F);
const QColor kRanMark(0xFF, 0xF1, 0xA8);
const QColor kFocusMark(0xDD, 0xEB, 0xFF);
const QColor kSelection(0x1F, 0x4E, 0x9C);
const QColor kSelectedText(0xFF, 0xFF, 0xFF);

QColor colour_of(TokenKind kind) {
    switch (kind) {
        case TokenKind::Keyword: return {0x00, 0x33, 0xB3};
        case TokenKind::Type: return {0x7A, 0x1F, 0xA2};
        case TokenKind::String: return {0xA3, 0x15, 0x15};
        case TokenKind::Number: return {0x0B, 0x6E, 0x4F};
        case TokenKind::Comment: return {0x5B, 0x6B, 0x3A};
        case TokenKind::Preprocessor: return {0x8A, 0x4B, 0x00};
    }
    return kPlain;
}

// The code's size at 100 %: 14 pixels, as the programs' smaller captions.
constexpr int kPixelSize = 14;

// A monospace face first (named ones, as the desktop's "Monospace" may not resolve inside a
// list of families); characters it lacks (the Chinese in strings and comments) come from the
// windows' Song face.
QFont code_font(int zoom) {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                                 QStringLiteral("Noto Sans Mono"), QFontDatabase::systemFont(QFontDatabase::FixedFont).family()} +
                     song_families());
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(kPixelSize * zoom / 100);
    return font;
}

// Characters a fixed-width layout gives two columns: CJK and full-width forms.
bool is_wide(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFF60) ||
           (u >= 0xFFE0 && u <= 0xFFE6);
}

// The spacing, in percent of a Song glyph's advance, that makes it exactly two columns of the
// monospace face wide, so the window description's columns stay aligned. Both faces scale
// alike, so one ratio holds at every zoom.
qreal wide_spacing() {
    constexpr int kMeasureSize = 200;
    QFont mono = code_font(100);
    mono.setPixelSize(kMeasureSize);
    QFont song;
    song.setFamilies(song_families());
    song.setPixelSize(kMeasureSize);
    const qreal column = QFontMetricsF(mono).horizontalAdvance(QLatin1Char('0'));
    const qreal wide = QFontMetricsF(song).horizontalAdvance(QChar(0x4E2D));
    return wide > 0 ? 100 * 2 * column / wide : 100;
}

// Inserts the text in the format, its wide characters in the Song face, two columns wide.
void insert(QTextCursor& cursor, const QString& text, const QTextCharFormat& format, qreal spacing) {
    QTextCharFormat wide = format;
    wide.setFontFamilies(song_families());
    wide.setFontLetterSpacingType(QFont::PercentageSpacing);
    wide.setFontLetterSpacing(spacing);
    qsizetype start = 0;
    while (start < text.size()) {
        const bool wide_part = is_wide(text[start]);
        qsizetype end = start;
        while (end < text.size() && is_wide(text[end]) == wide_part) ++end;
        cursor.insertText(text.mid(start, end - start), wide_part ? wide : format);
        start = end;
    }
}

QString slice(std::string_view text, std::size_t begin, std::size_t end) {
    const std::string_view part = text.substr(begin, end - begin);
    return QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()));
}

}  // namespace

class CodeTextView::LineNumbers final : public QWidget {
public:
    explicit LineNumbers(CodeTextView& view) : QWidget(&view), m_view(view) {}
    QSize sizeHint() const override { return {m_view.numbers_width(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { m_view.paint_numbers(event); }

private:
    CodeTextView& m_view;
};

CodeTextView::CodeTextView(const SourceFile& file, QWidget* parent)
    : QPlainTextEdit(parent), m_numbers(new LineNumbers(*this)) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setAccessibleName(QStringLiteral("代码：") + QString::fromUtf8(file.name.data(), static_cast<qsizetype>(file.name.size())));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kBackground);
    colours.setColor(QPalette::Text, kPlain);
    colours.setColor(QPalette::Highlight, kSelection);
    colours.setColor(QPalette::HighlightedText, kSelectedText);
    setPalette(colours);

    QTextCursor cursor(document());
    QTextCharFormat plain;
    plain.setForeground(kPlain);
    const qreal spacing = wide_spacing();
    std::size_t at = 0;
    for (const TokenRun& run : file.runs) {
        insert(cursor, slice(file.text, at, run.begin), plain, spacing);
        QTextCharFormat coloured;
        coloured.setForeground(colour_of(run.kind));
        if (run.kind == TokenKind::Keyword || run.kind == TokenKind::Type) coloured.setFontWeight(QFont::Bold);
        insert(cursor, slice(file.text, run.begin, run.end), coloured, spacing);
        at = run.end;
    }
    insert(cursor, slice(file.text, at, file.text.size()), plain, spacing);
    moveCursor(QTextCursor::Start);

    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { setViewportMargins(numbers_width(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0) m_numbers->scroll(0, dy);
        else m_numbers->update(0, rect.y(), m_numbers->width(), rect.height());
    });
    set_zoom(100);
}

void CodeTextView::set_zoom(int zoom) {
    setFont(code_font(zoom));
    m_numbers->setFont(font());
    setViewportMargins(numbers_width(), 0, 0, 0);
    m_numbers->update();
}

int CodeTextView::numbers_width() const {
    const int digits = QString::number(std::max(1, blockCount())).size();
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * (digits + 2);
}

void CodeTextView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_numbers->setGeometry(area.left(), area.top(), numbers_width(), area.height());
}

void CodeTextView::paint_numbers(QPaintEvent* event) {
    QPainter painter(m_numbers);
    painter.fillRect(event->rect(), kMargin);
    painter.setPen(kLineNumber);
    const int padding = fontMetrics().horizontalAdvance(QLatin1Char('9'));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top())
            painter.drawText(0, top, m_numbers->width() - padding, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top += height;
    }
}

QString CodeTextView::line_text(int line) const { return document()->findBlockByNumber(line - 1).text(); }

void CodeTextView::set_mark(Mark mark, std::optional<LineRange> lines) {
    (mark == Mark::Ran ? m_ran : m_focus) = lines;
    show_marks();
    if (mark != Mark::Ran || !lines) return;
    // The whole handler into view where it fits, its first line at least.
    QTextCursor cursor(document()->findBlockByNumber(lines->last - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
    cursor = QTextCursor(document()->findBlockByNumber(lines->first - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CodeTextView::show_marks() {
    QList<QTextEdit::ExtraSelection> selections;
    auto add = [&](const std::optional<LineRange>& lines, const QColor& colour) {
        if (!lines) return;
        for (int line = lines->first; line <= lines->last; ++line) {
            QTextEdit::ExtraSelection selection;
            selection.format.setBackground(colour);
            selection.format.setProperty(QTextFormat::FullWidthSelection, true);
            selection.cursor = QTextCursor(document()->findBlockByNumber(line - 1));
            selections.append(selection);
        }
    };
    add(m_focus, kFocusMark);
    add(m_ran, kRanMark);
    setExtraSelections(selections);
}

}  // namespace rt::qt
