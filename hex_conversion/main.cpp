// SPDX-License-Identifier: MIT
#include "form1.h"
#include "hex_conversion/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<hex_conversion::Form1>(hex_conversion::description(), hex_conversion::code_view(), argc, argv); }
