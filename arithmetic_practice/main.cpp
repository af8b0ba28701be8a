// SPDX-License-Identifier: MIT
#include "form1.h"
#include "arithmetic_practice/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) {
    return rt::run_qt<arithmetic_practice::Form1>(arithmetic_practice::description(), arithmetic_practice::code_view(), argc, argv);
}
