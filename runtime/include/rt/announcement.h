// SPDX-License-Identifier: MIT
#pragma once

#include "rt/form.h"
#include "rt/text.h"

namespace rt {

/// The sentence a screen reader says once a click has finished: what the program changed
/// since the form's change record started, in reading order, the parts joined by "，".
///
/// A caption or text the program wrote and left non-empty is said after the label that
/// describes it ("色子1 6"), or after a text box's short name ("结果 579"), and, where a label
/// opens the phrase, before the label that closes it on its line ("您已坚持 1 回合"). Cleared
/// captions and the user's own typing are not said. Text printed since then follows: as it
/// stands when it is at most 3 lines and 80 characters; otherwise, and for any figure of
/// asterisks, summed up: "打印了 9 行星号图形", "打印了 100 个数" (lines of numbers only),
/// "打印了 12 行文字". Empty when nothing readable changed.
Text announcement(const Form& form);

}  // namespace rt
