# SPDX-License-Identifier: MIT
# Reads programs.tsv, the one list of the ten programs: for each NAME in PROGRAM_NAMES the
# variables PROGRAM_<NAME>_FOLDER, _TITLE_ZH, _TITLE_EN, _LINE_ZH, _LINE_EN, _TITLE_ZH_HANT
# (its title in Traditional characters) and the CMake lists _CATEGORIES (menu categories
# besides Education), _KEYWORDS_EN and _KEYWORDS_ZH (the file separates them with commas).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/programs.tsv)
file(STRINGS ${PROJECT_SOURCE_DIR}/programs.tsv catalogue_rows ENCODING UTF-8 REGEX "^[^#]")
set(PROGRAM_NAMES "")
foreach(row IN LISTS catalogue_rows)
    string(REPLACE "\t" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 PROGRAM_${name}_FOLDER)
    list(GET fields 2 PROGRAM_${name}_TITLE_ZH)
    list(GET fields 3 PROGRAM_${name}_TITLE_EN)
    list(GET fields 4 PROGRAM_${name}_LINE_ZH)
    list(GET fields 5 PROGRAM_${name}_LINE_EN)
    list(GET fields 6 PROGRAM_${name}_TITLE_ZH_HANT)
    list(GET fields 7 categories)
    list(GET fields 8 keywords_en)
    list(GET fields 9 keywords_zh)
    string(REPLACE "," ";" PROGRAM_${name}_CATEGORIES "${categories}")
    string(REPLACE "," ";" PROGRAM_${name}_KEYWORDS_EN "${keywords_en}")
    string(REPLACE "," ";" PROGRAM_${name}_KEYWORDS_ZH "${keywords_zh}")
    list(APPEND PROGRAM_NAMES ${name})
endforeach()
