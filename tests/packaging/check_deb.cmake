# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package into WORK_DIR and checks its name, its control fields, its files
# (under /usr whatever the build's prefix), the copyright file and the changelog; leaves the
# package unpacked in WORK_DIR/root for the checks that follow.
# In: WORK_DIR, VERSION, BUILD_DIR and the inputs of expected_files.cmake.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB packages ${WORK_DIR}/vistaro_${VERSION}_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one vistaro_${VERSION}_<arch>.deb in ${WORK_DIR}, got: ${packages}")
endif()

# dpkg-deb -f prints "Field: value" lines.
function(vistaro_deb_field field out)
    execute_process(COMMAND dpkg-deb -f ${packages} ${field} OUTPUT_VARIABLE value
                    COMMAND_ERROR_IS_FATAL ANY)
    string(STRIP "${value}" value)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

vistaro_deb_field(Version version)
if(NOT version STREQUAL VERSION)
    message(FATAL_ERROR "The package's Version is '${version}', not ${VERSION}")
endif()
vistaro_deb_field(Depends depends)
foreach(runtime libqt6widgets6 libqt6svg6 libgeos-c1v5 fonts-liberation)
    if(NOT depends MATCHES "(^|, )${runtime}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${runtime}: ${depends}")
    endif()
endforeach()
if(depends MATCHES "-dev( |,|$)")
    message(FATAL_ERROR "Depends names a build package: ${depends}")
endif()
# No address of a site that does not exist.
vistaro_deb_field(Homepage homepage)
if(homepage)
    message(FATAL_ERROR "The package names a homepage: ${homepage}")
endif()

# Regular files only ("-rwx..."): every one under ./usr/, which is then taken off.
execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" listing "${listing}")
set(packaged)
foreach(line IN LISTS listing)
    if(line MATCHES "^-[^ ]+ .* \\./usr/(.+)$")
        list(APPEND packaged ${CMAKE_MATCH_1})
    elseif(line MATCHES "^-")
        message(FATAL_ERROR "A file outside /usr: ${line}")
    endif()
endforeach()
list(SORT packaged)
vistaro_compare_files("The package's file list" packaged)

set(root ${WORK_DIR}/root)
execute_process(COMMAND dpkg-deb -x ${packages} ${root} COMMAND_ERROR_IS_FATAL ANY)
vistaro_check_desktop_entry(${root}/usr/${DATADIR}/applications/${APP_ID}.desktop /usr)

# The copyright file in Debian's machine-readable format, the whole program under the GPL.
set(doc ${root}/usr/${DATADIR}/doc/vistaro)
file(STRINGS ${doc}/copyright copyright)
foreach(wanted
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
        "Files: *" "License: GPL-3+"
        " version 3 can be found in \"/usr/share/common-licenses/GPL-3\".")
    if(NOT wanted IN_LIST copyright)
        message(FATAL_ERROR "${doc}/copyright lacks the line '${wanted}'")
    endif()
endforeach()

# The changelog's newest entry is this version; gzip -n leaves the name and time out.
file(READ ${doc}/changelog.gz header LIMIT 10 HEX)
if(NOT header MATCHES "^1f8b08000000000002")
    message(FATAL_ERROR "${doc}/changelog.gz is not a gzip file made with -9 -n: ${header}")
endif()
execute_process(COMMAND gzip -dc ${doc}/changelog.gz OUTPUT_VARIABLE changelog
                COMMAND_ERROR_IS_FATAL ANY)
if(NOT changelog MATCHES "^vistaro \\(${VERSION}\\) unstable; urgency=medium\n")
    message(FATAL_ERROR "The changelog does not start with version ${VERSION}:\n${changelog}")
endif()
