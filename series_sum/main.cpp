// SPDX-License-Identifier: MIT
#include "form1.h"
#include "series_sum/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<series_sum::Form1>(series_sum::description(), series_sum::code_view(), argc, argv); }
