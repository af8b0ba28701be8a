// SPDX-License-Identifier: MIT
#pragma once

#include "rt/floating.h"
#include "rt/text.h"

namespace rt {

/// Message box styles. Only the error style is used: the error icon and one OK button.
enum class MsgBoxStyle { Critical = 16 };

/// The modal dialogs a handler can open. The Qt host shows real dialogs; the scripted host
/// answers from a test's script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    /// Shows the prompt and waits until the user closes the box.
    virtual void MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) = 0;
    /// Waits for a line of text; empty text when the user cancels.
    virtual Text InputBox(const Text& prompt, const Text& title) = 0;
};

/// The random generator behind Randomize and RandomNext.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize(Float64 seed) = 0;
    /// The next value v, 0 <= v < 1.
    virtual Float32 RandomNext() = 0;
};

/// The time of day, the seed that programs hand to Randomize.
class Clock {
public:
    virtual ~Clock() = default;
    /// Seconds since midnight, local time, with microsecond resolution.
    virtual Float64 time_of_day() = 0;
};

/// What a running program uses of its host besides the window.
struct Services {
    Dialogs& dialogs;
    RandomSource& random;
    Clock& clock;
};

}  // namespace rt
