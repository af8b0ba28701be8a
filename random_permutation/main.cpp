// SPDX-License-Identifier: MIT
#include "form1.h"
#include "random_permutation/code_view.h"
#include "rt/qt/qt_host.h"
#include "window.h"

int main(int argc, char** argv) {
    return rt::run_qt<random_permutation::Form1>(random_permutation::description(), random_permutation::code_view(), argc, argv);
}
