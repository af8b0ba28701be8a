// SPDX-License-Identifier: MIT
#include "form1.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) { return rt::run_qt<prime_list::Form1>(prime_list::description(), argc, argv); }
