# SPDX-License-Identifier: MIT
# The version and its release date come from the top entry of debian/changelog, where dpkg
# reads them too, so that `dch -v X.Y.Z` is the one place a release is numbered. Included
# before project(): sets CHANGELOG_VERSION (for project()) and PROJECT_RELEASE_DATE
# (YYYY-MM-DD, the day written in the entry's trailer line), and configures again when the
# changelog changes.
function(read_changelog_version changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    # The first line names the version ("name (1.1.0) unstable; ..."), the first trailer line
    # (" -- who <mail>  Tue, 08 Dec 2026 12:00:00 +0000") the date.
    file(STRINGS ${changelog} heading LIMIT_COUNT 1 REGEX "^[a-z0-9][^ ]* \\(")
    file(STRINGS ${changelog} trailer LIMIT_COUNT 1 REGEX "^ -- ")
    if(NOT heading MATCHES "^[^ ]+ \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
        message(FATAL_ERROR "${changelog}: the top entry's version is not MAJOR.MINOR.PATCH: ${heading}")
    endif()
    set(version ${CMAKE_MATCH_1})
    if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${changelog}: the top entry's trailer has no date: ${trailer}")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    if(month EQUAL -1)
        message(FATAL_ERROR "${changelog}: unknown month ${CMAKE_MATCH_2} in: ${trailer}")
    endif()
    math(EXPR month "${month} + 1")
    if(month LESS 10)
        set(month 0${month})
    endif()
    string(LENGTH ${day} day_digits)
    if(day_digits EQUAL 1)
        set(day 0${day})
    endif()
    set(CHANGELOG_VERSION ${version} PARENT_SCOPE)
    set(PROJECT_RELEASE_DATE ${year}-${month}-${day} PARENT_SCOPE)
endfunction()
read_changelog_version(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
