# Installation as a desktop program, and the Debian package.
include(GNUInstallDirs)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)

# install_desktop_program(TARGET ICON TITLE_EN TITLE_ZH LINE_EN LINE_ZH): the executable into
# bin/, its menu entry into share/applications/ and its icon (icons/ICON.svg, also shown by its
# window) into the hicolor theme.
function(install_desktop_program target icon title_en title_zh line_en line_zh)
    qt_add_resources(${target} ${target}_icon PREFIX /icons BASE ${PROJECT_SOURCE_DIR}/icons
        FILES ${PROJECT_SOURCE_DIR}/icons/${icon}.svg)
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, qt6-translations-l10n, qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6 | ibus")
include(CPack)
