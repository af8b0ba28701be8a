// SPDX-License-Identifier: MIT
#include "form1.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<hex_conversion::Form1>(hex_conversion::description(), argc, argv); }
