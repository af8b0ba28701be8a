// SPDX-License-Identifier: MIT
#include "form1.h"
#include "star_patterns/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<star_patterns::Form1>(star_patterns::description(), star_patterns::code_view(), argc, argv); }
