# SPDX-License-Identifier: MIT
# The emscripten build: JavaScript exceptions (wasm exceptions and Asyncify together crash
# binaryen 108), GoogleTest built from Debian's sources, and every test program a single .js
# file with its WebAssembly inside, since node 20 does not load a separate .wasm from disk, and
# linked at -O1: the optimiser takes half a minute per test at -O3 and saves nothing worth it.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# add_node_test(TARGET): runs the GoogleTest program TARGET under node as one ctest test.
function(add_node_test target)
    target_link_options(${target} PRIVATE -O1 -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)
    add_test(NAME web.${target} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}>)
    set_tests_properties(web.${target} PROPERTIES LABELS web)
endfunction()
