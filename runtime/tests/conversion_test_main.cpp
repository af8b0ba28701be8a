// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

// Takes the locale from the environment first, as a Qt application does, so that ctest can run
// the conversion tests under locales that write numbers differently.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const char* wanted = std::getenv("LC_ALL");
    if (!std::setlocale(LC_ALL, "") && wanted && *wanted) {
        std::fprintf(stderr, "the locale %s is not available\n", wanted);
        return 1;
    }
    return RUN_ALL_TESTS();
}
