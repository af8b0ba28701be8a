# SPDX-License-Identifier: MIT
# add_form_program(NAME SOURCES ... [TESTS ...] [QT_TESTS ...]): a program's window description
# and form module as a library, the executable NAME that shows them through Qt, its headless
# tests (through the scripted host) and its tests on real widgets (Qt's offscreen platform).
# The web build keeps the module and the headless tests only.
function(add_form_program name)
    cmake_parse_arguments(arg "" "" "SOURCES;TESTS;QT_TESTS" ${ARGN})
    add_library(${name}_module STATIC ${arg_SOURCES})
    target_include_directories(${name}_module PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name}_module PUBLIC rt_core)
    if(EMSCRIPTEN)
        # The web page holds every program; here only the module and its headless tests.
        if(arg_TESTS)
            add_scripted_test(${name}_test ${arg_TESTS})
            target_link_libraries(${name}_test PRIVATE ${name}_module)
        endif()
        return()
    endif()
    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${name}_module rt_qt)
    install_desktop_program(${name})
    if(BUILD_TESTING AND arg_TESTS)
        add_scripted_test(${name}_test ${arg_TESTS})
        target_link_libraries(${name}_test PRIVATE ${name}_module)
    endif()
    if(BUILD_TESTING AND arg_QT_TESTS)
        add_qt_test(${name}_qt_test ${arg_QT_TESTS})
        target_link_libraries(${name}_qt_test PRIVATE ${name}_module)
    endif()
endfunction()

# Test labels: unit (headless, seconds), qt (real widgets, offscreen), slow (minutes: the
# sweep, the monkey run, valgrind, fuzzing, the package), package (the Debian package).
#
# DISCOVERY_TIMEOUT bounds the listing of a test program's cases after each build, which takes
# well under a second alone, a few seconds under the sanitizers on a busy machine: five
# minutes is reached only by a program that hangs on start.

# add_scripted_test(TARGET [LABELS labels] sources...): GoogleTest cases that run without a
# display, labelled unit unless LABELS says otherwise.
function(add_scripted_test target)
    cmake_parse_arguments(arg "" "LABELS" "" ${ARGN})
    if(NOT arg_LABELS)
        set(arg_LABELS unit)
    endif()
    add_executable(${target} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${target} PRIVATE rt_testing GTest::gtest_main)
    if(EMSCRIPTEN)
        add_node_test(${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 300 PROPERTIES LABELS "${arg_LABELS}")
    endif()
endfunction()

# add_qt_test(TARGET sources...): GoogleTest cases on real widgets, on Qt's offscreen platform.
function(add_qt_test target)
    add_executable(${target} ${ARGN})
    target_link_libraries(${target} PRIVATE rt_qt_test_main)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 300
        PROPERTIES LABELS qt ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96")
endfunction()
