// SPDX-License-Identifier: MIT
#include "form1.h"
#include "prime_list/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<prime_list::Form1>(prime_list::description(), prime_list::code_view(), argc, argv); }
