// SPDX-License-Identifier: MIT
#include "form1.h"
#include "digit_rearrangement/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) {
    return rt::run_qt<digit_rearrangement::Form1>(digit_rearrangement::description(), digit_rearrangement::code_view(), argc, argv);
}
