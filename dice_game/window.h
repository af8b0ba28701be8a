// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace dice_game {

/// The dice table: balance, bet, choice, three dice, the result line and the round counter.
rt::FormDescription description();

}  // namespace dice_game
