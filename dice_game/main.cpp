// SPDX-License-Identifier: MIT
#include "form1.h"
#include "dice_game/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<dice_game::Form1>(dice_game::description(), dice_game::code_view(), argc, argv); }
