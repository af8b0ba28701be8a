// SPDX-License-Identifier: MIT
#include "rt/description.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "rt/errors.h"

namespace rt {

namespace {

// Twips beyond this are no window a screen could show (about 44 000 pixels).
constexpr int kMostTwips = 655'350;

void check_font(const std::optional<Font>& font, const std::string& where) {
    if (!font) return;
    if (font->face.empty()) throw DescriptionError(where + ": the font has no face");
    if (!(font->points > 0 && font->points <= 400)) throw DescriptionError(where + ": the font size is not 1 to 400 points");
}

void check_extent(int value, const std::string& where, const char* what, int lowest) {
    if (value < lowest || value > kMostTwips) throw DescriptionError(where + ": " + what + " is out of range");
}

}  // namespace

void validate(const FormDescription& form) {
    const std::string where = form.name.empty() ? std::string("the form") : form.name;
    if (form.name.empty()) throw DescriptionError("the form has no name");
    check_extent(form.width, where, "the width", 1);
    check_extent(form.height, where, "the height", 1);
    check_font(form.font, where);

    std::set<std::string> names{form.name};
    for (const ControlDescription& c : form.controls) {
        const std::string at = where + "." + (c.name.empty() ? "<unnamed control>" : c.name);
        if (c.name.empty()) throw DescriptionError(at + ": a control has no name");
        if (!names.insert(c.name).second) throw DescriptionError(at + ": the name is used twice");
        check_extent(c.left, at, "the left edge", 0);
        check_extent(c.top, at, "the top edge", 0);
        check_extent(c.width, at, "the width", 1);
        check_extent(c.height, at, "the height", 1);
        check_font(c.font, at);
        if (c.options.back_color && c.options.back_color->bgr > 0xFFFFFF)
            throw DescriptionError(at + ": the back colour has more than 24 bits");
        if (c.options.max_length < 0) throw DescriptionError(at + ": the text limit is negative");
        if (c.options.back_color && c.kind != ControlKind::Label)
            throw DescriptionError(at + ": only labels take a back colour");
        if (c.options.max_length != 0 && c.kind != ControlKind::TextBox)
            throw DescriptionError(at + ": only text boxes take a text limit");
        if (!c.options.accessible_name.empty() && c.kind != ControlKind::TextBox)
            throw DescriptionError(at + ": only text boxes take an accessible name");
        if (c.options.keyboard != Keyboard::Text && c.kind != ControlKind::TextBox)
            throw DescriptionError(at + ": only text boxes take a keyboard");
    }
    for (const ControlDescription& c : form.controls) {
        if (c.options.labelled_by.empty()) continue;
        const auto describer = std::find_if(form.controls.begin(), form.controls.end(), [&](const ControlDescription& d) {
            return d.name == c.options.labelled_by;
        });
        if (describer == form.controls.end() || describer->kind != ControlKind::Label || describer->name == c.name)
            throw DescriptionError(where + "." + c.name + ": " + c.options.labelled_by + " is no other label of the form");
    }
}

bool on_one_line(const ControlDescription& first, const ControlDescription& other) {
    const int middle = other.top + other.height / 2;
    return middle >= first.top && middle < first.top + first.height;
}

std::vector<std::size_t> reading_order(const FormDescription& form) {
    const std::vector<ControlDescription>& controls = form.controls;
    std::vector<std::size_t> by_top(controls.size());
    std::iota(by_top.begin(), by_top.end(), std::size_t{0});
    std::stable_sort(by_top.begin(), by_top.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(controls[a].top, controls[a].left) < std::pair(controls[b].top, controls[b].left);
    });
    // Rows: a control whose middle lies beside the row's topmost control reads on its line
    // (an operator label a little lower than the boxes around it), and each row left to right.
    std::vector<std::size_t> by_place;
    for (auto row = by_top.begin(); row != by_top.end();) {
        const auto end = std::find_if(row, by_top.end(), [&](std::size_t i) { return !on_one_line(controls[*row], controls[i]); });
        std::stable_sort(row, end, [&](std::size_t a, std::size_t b) { return controls[a].left < controls[b].left; });
        by_place.insert(by_place.end(), row, end);
        row = end;
    }
    std::vector<std::size_t> order;
    std::vector<bool> placed(controls.size(), false);
    // A control, then the values it describes, each followed by what it describes in turn.
    const auto place = [&](std::size_t first) {
        std::vector<std::size_t> pending{first};
        while (!pending.empty()) {
            const std::size_t i = pending.back();
            pending.pop_back();
            if (placed[i]) continue;
            placed[i] = true;
            order.push_back(i);
            for (auto it = by_place.rbegin(); it != by_place.rend(); ++it)
                if (!placed[*it] && controls[*it].options.labelled_by == controls[i].name) pending.push_back(*it);
        }
    };
    for (const std::size_t i : by_place)
        if (controls[i].options.labelled_by.empty()) place(i);
    for (const std::size_t i : by_place) place(i);  // values whose label is missing
    return order;
}

}  // namespace rt
