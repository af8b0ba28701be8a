// SPDX-License-Identifier: MIT
#include "form1.h"
#include "big_number_addition/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) {
    return rt::run_qt<big_number_addition::Form1>(big_number_addition::description(), big_number_addition::code_view(), argc, argv);
}
