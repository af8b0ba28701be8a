// SPDX-License-Identifier: MIT
#include "form1.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<series_sum::Form1>(series_sum::description(), argc, argv); }
