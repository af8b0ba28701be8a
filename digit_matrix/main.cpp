// SPDX-License-Identifier: MIT
#include "form1.h"
#include "digit_matrix/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<digit_matrix::Form1>(digit_matrix::description(), digit_matrix::code_view(), argc, argv); }
