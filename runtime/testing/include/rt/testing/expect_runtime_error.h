// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include "rt/errors.h"

/// Checks that a statement raises the runtime error of the given kind.
#define EXPECT_RUNTIME_ERROR(statement, error_kind)                                        \
    do {                                                                                   \
        try {                                                                              \
            statement;                                                                     \
            ADD_FAILURE() << "no runtime error from: " #statement;                         \
        } catch (const ::rt::RuntimeError& e) {                                            \
            EXPECT_EQ(e.kind(), error_kind) << "raised " << e.what() << " by: " #statement; \
        }                                                                                  \
    } while (false)
