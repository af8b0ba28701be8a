// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "all_programs.h"
#include "window_rules.h"
#include "rt/qt/code_window.h"
#include "rt/qt/form_window.h"
#include "rt/testing/qt_program.h"

namespace programs {

/// How GoogleTest names a program in test output.
void PrintTo(const ProgramModule& program, std::ostream* out) { *out << program.name; }

namespace {

/// The pixels of a label drawn with the text at the given size that differ from its background.
int ink(const QLabel& model, const QString& text, QSize size) {
    QLabel label;
    label.setFont(model.font());
    label.setPalette(model.palette());
    label.setAutoFillBackground(true);
    label.setAlignment(model.alignment());
    label.setWordWrap(model.wordWrap());
    label.setText(text);
    label.resize(size);
    const QImage image = label.grab().toImage();
    const QRgb background = model.palette().color(QPalette::Window).rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != background;
    return count;
}

/// True when the text shows whole in the label: no line is wider than the label, and the label
/// draws all the ink that a taller one would (glyphs differ too much between faces for metrics
/// to tell where the ink ends).
bool fits(QWidget* widget, const QString& text) {
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label == nullptr) return false;
    const QSize size = label->size();
    const QRectF lines = QFontMetricsF(label->font()).boundingRect(QRectF(0, 0, size.width(), 1000), Qt::TextWordWrap, text);
    return lines.width() <= size.width() && ink(*label, text, size) == ink(*label, text, size + QSize(0, 200));
}

/// The window is the described one at its zoom: every place and size scaled, and no caption
/// cut off.
void expect_described_layout(rt::testing::QtProgram& p, const rt::FormDescription& description) {
    const int zoom = p.window().zoom();
    using rt::qt::pixels;
    EXPECT_EQ(p.window().windowTitle().toStdString(), description.caption);
    EXPECT_EQ(p.window().size(), QSize(pixels(description.width, zoom), pixels(description.height, zoom)));
    for (const rt::ControlDescription& c : description.controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = p.window().widget_for(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(pixels(c.left, zoom), pixels(c.top, zoom), pixels(c.width, zoom), pixels(c.height, zoom)));
        const double points = c.font.value_or(rt::default_font()).points;
        EXPECT_EQ(widget->font().pixelSize(), qRound(points * 4 / 3 * zoom / 100));
        const QString caption = QString::fromStdString(c.caption);
        if (qobject_cast<QLabel*>(widget) != nullptr && !caption.isEmpty()) {
            EXPECT_TRUE(fits(widget, caption)) << "the caption is cut off";
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_LE(QFontMetricsF(button->font()).horizontalAdvance(caption), button->width() - 4)
                << "the caption is wider than the button";
        }
    }
}

// Every window as the user sees it, at whatever scale QT_SCALE_FACTOR sets (ctest runs these
// checks at 1 and at 2): geometry in device-independent pixels, no caption cut off, and the
// window drawn at the screen's full resolution.
class WindowsTest : public ::testing::TestWithParam<ProgramModule> {};

TEST_P(WindowsTest, ControlsSitAtTheirPlacesAndNoCaptionIsCutOff) {
    const ProgramModule& program = GetParam();
    rt::testing::QtProgram p(program.description(), program.make_module);
    expect_described_layout(p, program.description());
}

TEST_P(WindowsTest, ZoomedLayoutIsTheDescribedOneScaled) {
    const ProgramModule& program = GetParam();
    rt::testing::QtProgram p(program.description(), program.make_module);
    for (int zoom : {150, 200}) {
        SCOPED_TRACE(zoom);
        p.window().set_zoom(zoom);
        expect_described_layout(p, program.description());
    }
}

// A screen reader reads each control with the label its description names ("当前筹码 50"),
// a text box without one by its short name, a label by its caption, and the window as a
// frame named by its title.
TEST_P(WindowsTest, ScreenReadersReadControlsWithTheirDescribingLabels) {
    const ProgramModule& program = GetParam();
    const rt::FormDescription description = program.description();
    rt::testing::QtProgram p(description, program.make_module);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&p.window());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name).toStdString(), description.caption);
    for (const rt::ControlDescription& c : description.controls) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(p.window().widget_for(c.name));
        QStringList labels;
        for (const auto& [label, relation] : control->relations(QAccessible::Label)) labels << label->text(QAccessible::Name);
        if (c.options.labelled_by.empty()) {
            EXPECT_TRUE(labels.isEmpty()) << labels.join(QLatin1Char(' ')).toStdString();
        } else {
            const rt::ControlDescription& label = *std::find_if(
                description.controls.begin(), description.controls.end(),
                [&](const rt::ControlDescription& d) { return d.name == c.options.labelled_by; });
            EXPECT_EQ(labels, QStringList{QString::fromStdString(label.caption)});
            if (c.kind == rt::ControlKind::TextBox) {
                EXPECT_EQ(control->text(QAccessible::Name).toStdString(), label.caption) << "a text box takes its label's name";
            }
        }
        if (c.kind == rt::ControlKind::Label) {
            EXPECT_EQ(control->role(), QAccessible::StaticText);
            EXPECT_EQ(control->text(QAccessible::Name).toStdString(), c.caption) << "a label is named by its caption";
        }
        if (!c.options.accessible_name.empty()) {
            EXPECT_EQ(control->text(QAccessible::Name).toStdString(), c.options.accessible_name);
        }
    }
}

TEST_P(WindowsTest, WindowIsDrawnAtTheScreensResolution) {
    const ProgramModule& program = GetParam();
    rt::testing::QtProgram p(program.description(), program.make_module);
    const QPixmap picture = p.window().grab();
    const qreal scale = qApp->devicePixelRatio();
    EXPECT_EQ(picture.devicePixelRatio(), scale);
    EXPECT_EQ(picture.size(), p.window().size() * scale) << "drawn at full resolution, not enlarged afterwards";
}

TEST_P(WindowsTest, TheLongestTextsALabelShowsFitIt) {
    const ProgramModule& program = GetParam();
    rt::testing::QtProgram p(program.description(), program.make_module);
    for (const auto& [label, text] : testing::rules_for(program.name).longest_captions) {
        SCOPED_TRACE(label + " showing " + text);
        EXPECT_TRUE(fits(p.window().widget_for(label), QString::fromStdString(text)));
    }
}

// The code view shows each program's three files as they are in its folder, byte for byte.
TEST_P(WindowsTest, CodeViewShowsTheFilesExactly) {
    const ProgramModule& program = GetParam();
    QWidget program_window;
    const rt::qt::CodeWindow code(program.code_view(), program_window);
    ASSERT_EQ(code.tabs()->count(), 3);
    for (int tab = 0; tab < 3; ++tab) {
        const std::string name = code.tabs()->tabText(tab).toStdString();
        EXPECT_EQ(name, (std::array{"form1.cpp", "window.cpp", "form1.h"}[tab]));
        std::ifstream file(std::string(SOURCE_DIR) + "/" + std::string(program.folder) + "/" + name, std::ios::binary);
        ASSERT_TRUE(file) << name;
        std::ostringstream on_disk;
        on_disk << file.rdbuf();
        EXPECT_EQ(code.view(tab)->toPlainText().toStdString(), on_disk.str()) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, WindowsTest, ::testing::ValuesIn(all().begin(), all().end()),
                         [](const auto& info) { return std::string(info.param.name); });

// The dice game with its code open: 代码 in the window's menu opens it, and the lines marked in
// form1.cpp are exactly the definition of the clicked button's handler, marked while it waits
// in its dialog too.
TEST(CodeViewTest, ClickMarksExactlyItsHandler) {
    const ProgramModule& program = find("orvane");
    rt::testing::QtProgram p(program.description(), program.make_module);
    p.window().set_code(&program.code_view());
    const std::unique_ptr<QMenu> menu(p.window().create_context_menu());
    const QList<QAction*> entries = menu->actions();
    const auto entry = std::find_if(entries.begin(), entries.end(), [](QAction* a) { return a->text() == QStringLiteral("代码"); });
    ASSERT_NE(entry, entries.end());
    (*entry)->trigger();
    rt::qt::CodeWindow* code = p.window().code_window();
    ASSERT_NE(code, nullptr);
    ASSERT_TRUE(code->isVisible());
    EXPECT_EQ(code->windowTitle(), QStringLiteral("代码 — ") + p.window().windowTitle());
    rt::qt::CodeTextView* handlers = code->view(rt::kHandlersFile);
    EXPECT_FALSE(handlers->mark(rt::qt::CodeTextView::Mark::Ran)) << "nothing runs before a click";

    std::optional<rt::LineRange> during_dialog;
    rt::testing::DialogScript script({[&](QWidget* dialog) {
        during_dialog = handlers->mark(rt::qt::CodeTextView::Mark::Ran);
        rt::testing::type_and_accept(QStringLiteral("大"))(dialog);
    }});
    p.widget<QAbstractButton>("Command2")->click();
    ASSERT_TRUE(script.done());
    const auto marked = handlers->mark(rt::qt::CodeTextView::Mark::Ran);
    ASSERT_TRUE(marked);
    EXPECT_EQ(during_dialog, marked);
    EXPECT_EQ(code->tabs()->currentWidget(), handlers);
    EXPECT_TRUE(handlers->line_text(marked->first).startsWith(QStringLiteral("void Form1::Command2_Click() {")))
        << handlers->line_text(marked->first).toStdString();
    EXPECT_EQ(handlers->line_text(marked->last), QStringLiteral("}"));
    for (int line = marked->first + 1; line < marked->last; ++line)
        EXPECT_FALSE(handlers->line_text(line).startsWith(QLatin1Char('}'))) << "the handler ends at line " << line;
    EXPECT_EQ(code->accessibleDescription(), QStringLiteral("运行了 Command2_Click"));

    code->close();
    EXPECT_FALSE(handlers->mark(rt::qt::CodeTextView::Mark::Ran)) << "a closed view marks nothing";
}

// F2 opens the code; focus on a control marks its row in window.cpp, without leaving the tab
// that is shown; the zoom keys zoom the code.
TEST(CodeViewTest, FocusMarksTheControlsRow) {
    const ProgramModule& program = find("orvane");
    rt::testing::QtProgram p(program.description(), program.make_module);
    p.window().set_code(&program.code_view());
    ASSERT_TRUE(rt::testing::activate(p.window()));
    rt::testing::press_key(Qt::Key_F2);
    rt::qt::CodeWindow* code = p.window().code_window();
    ASSERT_NE(code, nullptr);
    ASSERT_TRUE(code->isVisible());
    EXPECT_EQ(code->accessibleName(), QStringLiteral("代码：form1.cpp"));
    p.widget<QWidget>("Command4")->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.widget<QWidget>("Command4")->hasFocus(); }));
    rt::qt::CodeTextView* window_file = code->view(rt::kWindowFile);
    const auto marked = window_file->mark(rt::qt::CodeTextView::Mark::Focus);
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->first, marked->last);
    EXPECT_TRUE(window_file->line_text(marked->first).contains(QStringLiteral("button(\"Command4\"")))
        << window_file->line_text(marked->first).toStdString();
    EXPECT_EQ(code->tabs()->currentIndex(), static_cast<int>(rt::kHandlersFile)) << "the tab stays";

    // The code zooms with the programs' keys, for a projector.
    code->activateWindow();
    const int described = code->zoom();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == code; }));
    rt::testing::press_key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(code->zoom(), described);
    rt::testing::press_key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(code->zoom(), described);
}

}  // namespace
}  // namespace programs
