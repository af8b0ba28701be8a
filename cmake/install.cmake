# SPDX-License-Identifier: MIT
# Installation as desktop programs: executables, menu entries, icons. debian/ packages it.
include(GNUInstallDirs)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
if(BUILD_TESTING)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
endif()

# The sizes the icons are drawn at as PNG, for window managers, lists and the menus.
set(ICON_SIZES 16 24 32 48 64 128)

# icon_of(OUT NAME): the icon of the program (or the launcher) NAME: icon.svg in its folder.
function(icon_of out name)
    set(${out} ${PROJECT_SOURCE_DIR}/${PROGRAM_${name}_FOLDER}/icon.svg PARENT_SCOPE)
endfunction()

# add_icon_resources(TARGET NAME...): the icon of each NAME drawn as PNGs of ICON_SIZES, as the
# resources :/icons/NAME-SIZE.png (PNG needs no image plugin).
function(add_icon_resources target)
    set(pngs "")
    foreach(name IN LISTS ARGN)
        icon_of(svg ${name})
        foreach(size IN LISTS ICON_SIZES)
            set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${name}-${size}.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
                COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
                DEPENDS ${svg} VERBATIM)
            list(APPEND pngs ${png})
        endforeach()
    endforeach()
    qt_add_resources(${target} ${target}_icons PREFIX /icons BASE ${CMAKE_CURRENT_BINARY_DIR}/icons FILES ${pngs})
endfunction()

# install_desktop_program(TARGET): the executable into bin/, its menu entry into
# share/applications/ and its icon (icon.svg in its folder), as SVG and as the PNGs drawn for the
# window, into the hicolor theme. The texts come from PROGRAM_<TARGET>_TITLE_EN, _TITLE_ZH,
# _TITLE_ZH_HANT, _LINE_EN, _LINE_ZH, _CATEGORIES, _KEYWORDS_EN and _KEYWORDS_ZH (see
# catalogue.cmake); --help and --version tell the same title and line.
function(install_desktop_program target)
    add_icon_resources(${target} ${target})
    set(IDENTITY_NAME "${target}")
    set(IDENTITY_TITLE "${PROGRAM_${target}_TITLE_ZH}")
    set(IDENTITY_SUMMARY "${PROGRAM_${target}_LINE_ZH}")
    configure_file(${PROJECT_SOURCE_DIR}/runtime/qt/program_identity.cpp.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}_identity.cpp @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_identity.cpp)

    set(DESKTOP_NAME_EN "${PROGRAM_${target}_TITLE_EN}")
    set(DESKTOP_NAME_ZH "${PROGRAM_${target}_TITLE_ZH}")
    set(DESKTOP_NAME_ZH_HANT "${PROGRAM_${target}_TITLE_ZH_HANT}")
    set(DESKTOP_COMMENT_EN "${PROGRAM_${target}_LINE_EN}")
    set(DESKTOP_COMMENT_ZH "${PROGRAM_${target}_LINE_ZH}")
    list(JOIN PROGRAM_${target}_CATEGORIES ";" DESKTOP_CATEGORIES)
    list(JOIN PROGRAM_${target}_KEYWORDS_EN ";" DESKTOP_KEYWORDS_EN)
    list(JOIN PROGRAM_${target}_KEYWORDS_ZH ";" DESKTOP_KEYWORDS_ZH)
    set(DESKTOP_EXEC "${target}")
    set(desktop_file ${PROJECT_BINARY_DIR}/applications/${target}.desktop)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/program.desktop.in ${desktop_file} @ONLY)
    if(BUILD_TESTING)
        add_test(NAME DesktopEntryValid.${target} COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_file})
        set_tests_properties(DesktopEntryValid.${target} PROPERTIES LABELS unit)
    endif()

    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set(theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    icon_of(svg ${target})
    install(FILES ${svg} DESTINATION ${theme}/scalable/apps RENAME ${target}.svg)
    foreach(size IN LISTS ICON_SIZES)
        install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/${target}-${size}.png
            DESTINATION ${theme}/${size}x${size}/apps RENAME ${target}.png)
    endforeach()
endfunction()
