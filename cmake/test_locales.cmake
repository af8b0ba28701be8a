# SPDX-License-Identifier: MIT
# Locales whose numbers differ from C's (a decimal comma, Arabic digits and signs, Turkish case
# rules), compiled into the build tree by a ctest fixture, so that tests can run under them with
# LOCPATH and no locale needs installing system-wide.
set(TEST_LOCALES de_DE.UTF-8 fr_FR.UTF-8 tr_TR.UTF-8 ar_EG.UTF-8)
set(TEST_LOCALE_DIR ${CMAKE_BINARY_DIR}/test-locales)
add_test(NAME MakeTestLocales COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-test-locales ${TEST_LOCALE_DIR} ${TEST_LOCALES})
set_tests_properties(MakeTestLocales PROPERTIES LABELS unit FIXTURES_SETUP test_locales)
