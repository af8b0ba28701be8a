// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "rt/description.h"
#include "rt/form.h"

namespace rt::web {

/// A text as a JSON string literal, quotes included.
std::string json_string(const Text& text);

/// The form as the page draws it: caption, client size and font, and every control with its
/// kind, place and size (in twips), font, colours, alignment, state and text limit.
std::string form_json(const Form& form);

/// A control's current state: its text, whether it is enabled, its text colour.
std::string control_state_json(const Control& control);

}  // namespace rt::web
