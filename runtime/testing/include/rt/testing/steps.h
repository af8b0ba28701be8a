// SPDX-License-Identifier: MIT
#pragma once

// The step language in which a program's typical use is written (its folder's typical_use.txt,
// one step a line, # starts a comment) and which the screenshots, the browser tests and the
// tools that drive a program read:
//
//     type:BOX=TEXT            types TEXT into the text box BOX (replacing its text)
//     compose:BOX=SHOWN=TEXT   an input method shows SHOWN in BOX, then commits TEXT
//     answer:TEXT              the answer of the next InputBox
//     cancel                   the next InputBox is cancelled
//     random:V,V,...           the next values of Rnd (0 <= V < 1)
//     click:BUTTON             clicks the button BUTTON
//
// A host that cannot perform a step skips it: a composition needs a browser's input method,
// scripted random values a host that takes them.

#include <string>
#include <string_view>
#include <vector>

#include "rt/text.h"

namespace rt::testing {

class ScriptedProgram;

struct Step {
    enum class Kind { Type, Compose, Answer, Cancel, Random, Click };
    Kind kind;
    std::string target;         ///< the text box or the button
    Text text;                  ///< what is typed, committed or answered
    std::vector<float> values;  ///< the random values
};

/// One step; std::invalid_argument when it is none. Its text may hold any character.
Step parse_step(std::string_view step);
/// The steps of a text in the step language, one a line; std::invalid_argument names a line it
/// cannot read.
std::vector<Step> parse_steps(std::string_view text);

/// Performs the steps on a program run by the scripted host, standing in for a browser: what an
/// input method commits is typed.
void perform(ScriptedProgram& program, const std::vector<Step>& steps);

}  // namespace rt::testing
