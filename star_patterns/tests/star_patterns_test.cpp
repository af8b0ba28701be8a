// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form1.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace star_patterns {
namespace {

using rt::testing::ScriptedProgram;

std::string blanks(int n) { return std::string(n, ' '); }
std::string stars(int n) { return std::string(n, '*'); }

/// A figure from its rows of (blanks, stars), each line ended.
std::string solid(const std::vector<std::pair<int, int>>& rows) {
    std::string text;
    for (auto [b, s] : rows) text += blanks(b) + stars(s) + "\n";
    return text;
}

// The expected figures, row by row as a table of counts, not derived from the handlers' formulas.
const std::string kUpright = solid({{10, 1}, {9, 3}, {8, 5}, {7, 7}, {6, 9}, {5, 11},
                                    {4, 13}, {3, 15}, {2, 17}, {1, 19}, {0, 21}});
const std::string kInverted = solid({{0, 21}, {1, 19}, {2, 17}, {3, 15}, {4, 13}, {5, 11},
                                     {6, 9}, {7, 7}, {8, 5}, {9, 3}, {10, 1}});
const std::string kSolid = solid({{5, 1}, {4, 3}, {3, 5}, {2, 7}, {1, 9}, {0, 11},
                                  {1, 9}, {2, 7}, {3, 5}, {4, 3}, {5, 1}});
// Each line of the hollow diamond is 21 characters; its stars stand in the columns given.
const std::string kHollow =
    "     *               \n"
    "    * *              \n"
    "   *   *             \n"
    "  *     *            \n"
    " *       *           \n"
    "*         *          \n"
    " *       *           \n"
    "  *     *            \n"
    "   *   *             \n"
    "    * *              \n"
    "     *               \n";

struct Figure {
    const char* button;
    const std::string* text;
};
const Figure kFigures[] = {
    {"Command1", &kUpright},
    {"Command2", &kInverted},
    {"Command3", &kSolid},
    {"Command4", &kHollow},
};

/// Records the printed text after every change of it, so a test sees each Print on its own.
class PrintRecorder final : public rt::FormView {
public:
    explicit PrintRecorder(rt::Form& form) : m_form(form) { form.set_view(this); }
    void control_changed(const rt::Control&, rt::Property) override {}
    void printed_changed(rt::PrintChange) override { steps.push_back(m_form.printed().text()); }

    std::vector<std::string> steps;

private:
    rt::Form& m_form;
};

TEST(StarPatternsTest, ClearsThenPrintsTheFigureOneCharacterAtATime) {
    for (const Figure& figure : kFigures) {
        SCOPED_TRACE(figure.button);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        program.click("Command2");  // something on the window to be cleared
        PrintRecorder recorder(program.form());
        program.click(figure.button);
        ASSERT_FALSE(recorder.steps.empty());
        EXPECT_EQ(recorder.steps.front(), "") << "the window is cleared before anything is printed";
        for (std::size_t k = 1; k < recorder.steps.size(); ++k) {
            const std::string& before = recorder.steps[k - 1];
            const std::string& after = recorder.steps[k];
            ASSERT_EQ(after.size(), before.size() + 1) << "Print " << k << " adds one character";
            ASSERT_EQ(after.substr(0, before.size()), before);
            ASSERT_NE(std::string(" *\n").find(after.back()), std::string::npos);
        }
        EXPECT_EQ(program.printed(), *figure.text);
        EXPECT_EQ(program.form().printed().ended_lines().size(), 11u);
        EXPECT_EQ(program.form().printed().current_line(), "") << "the last line is ended too";
    }
}

TEST(StarPatternsTest, AgainOrAnotherButtonLeavesOneFigure) {
    const struct {
        const char* first;
        const char* second;
        const std::string* shown;
    } cases[] = {
        {"Command1", "Command1", &kUpright}, {"Command3", "Command3", &kSolid},
        {"Command1", "Command2", &kInverted}, {"Command4", "Command3", &kSolid},
        {"Command3", "Command4", &kHollow},  {"Command2", "Command1", &kUpright},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " then " + c.second);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        program.click(c.first);
        program.click(c.second);
        EXPECT_EQ(program.printed(), *c.shown);
    }
}

}  // namespace
}  // namespace star_patterns
