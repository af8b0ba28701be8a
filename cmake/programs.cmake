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
    install_desktop_program(${name} ${name} "${PROGRAM_${name}_TITLE_EN}" "${PROGRAM_${name}_TITLE_ZH}"
        "${PROGRAM_${name}_LINE_EN}" "${PROGRAM_${name}_LINE_ZH}")
    if(arg_TESTS)
        add_scripted_test(${name}_test ${arg_TESTS})
        target_link_libraries(${name}_test PRIVATE ${name}_module)
    endif()
    if(arg_QT_TESTS)
        add_qt_test(${name}_qt_test ${arg_QT_TESTS})
        target_link_libraries(${name}_qt_test PRIVATE ${name}_module)
    endif()
endfunction()

# add_scripted_test(TARGET sources...): GoogleTest cases that run without a display.
function(add_scripted_test target)
    add_executable(${target} ${ARGN})
    target_link_libraries(${target} PRIVATE rt_testing GTest::gtest_main)
    if(EMSCRIPTEN)
        add_node_test(${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30)
    endif()
endfunction()

# add_qt_test(TARGET sources...): GoogleTest cases on real widgets, on Qt's offscreen platform.
function(add_qt_test target)
    add_executable(${target} ${ARGN})
    target_link_libraries(${target} PRIVATE rt_qt_test_main)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96")
endfunction()
