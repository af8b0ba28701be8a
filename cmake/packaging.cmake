# Installation as a desktop program, and the Debian package.
include(GNUInstallDirs)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# add_icon_resources(TARGET NAME...): icons/NAME.svg drawn as PNGs of the sizes window managers
# and lists ask for, as the resources :/icons/NAME-SIZE.png (PNG needs no image plugin).
function(add_icon_resources target)
    set(pngs "")
    foreach(name IN LISTS ARGN)
        foreach(size 16 24 32 48 64 128)
            set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${name}-${size}.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons
                COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PROJECT_SOURCE_DIR}/icons/${name}.svg
                DEPENDS ${PROJECT_SOURCE_DIR}/icons/${name}.svg VERBATIM)
            list(APPEND pngs ${png})
        endforeach()
    endforeach()
    qt_add_resources(${target} ${target}_icons PREFIX /icons BASE ${CMAKE_CURRENT_BINARY_DIR}/icons FILES ${pngs})
endfunction()

# install_desktop_program(TARGET ICON TITLE_EN TITLE_ZH LINE_EN LINE_ZH): the executable into
# bin/, its menu entry into share/applications/ and its icon icons/ICON.svg into the hicolor
# theme; the window shows the same icon from the target's resources.
function(install_desktop_program target icon title_en title_zh line_en line_zh)
    add_icon_resources(${target} ${icon})
    set(DESKTOP_NAME_EN "${title_en}")
    set(DESKTOP_NAME_ZH "${title_zh}")
    set(DESKTOP_COMMENT_EN "${line_en}")
    set(DESKTOP_COMMENT_ZH "${line_zh}")
    set(DESKTOP_EXEC "${target}")
    set(DESKTOP_ICON "${icon}")
    set(desktop_file ${PROJECT_BINARY_DIR}/applications/${target}.desktop)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/program.desktop.in ${desktop_file} @ONLY)
    add_test(NAME DesktopEntryValid.${target} COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_file})
    set_tests_properties(DesktopEntryValid.${target} PROPERTIES LABELS package)
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/icons/${icon}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endfunction()

set(CPACK_PACKAGE_NAME teaching-programs)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "教学小程序: ten small Chinese programs for teaching programming and arithmetic")
set(CPACK_PACKAGE_DESCRIPTION "A dice betting game, an arithmetic drill for primary-school pupils and eight one-window exercises (digit rearrangement, star patterns, a digit matrix, hexadecimal conversion, a series sum, 50-digit addition, the first 100 primes, a random permutation of 0-9), with a launcher.")
set(CPACK_PACKAGE_CONTACT "Teaching programs maintainers <maintainers@teaching-programs.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, qt6-translations-l10n, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6 | ibus")
include(CPack)
