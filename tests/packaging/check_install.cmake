# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a fresh prefix and checks the files, the bitmap icon sizes, the
# desktop entry, the install manifest and the metainfo's license and release.
# In: PREFIX, VERSION, BUILD_DIR and the inputs of expected_files.cmake.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
vistaro_compare_files("The installed tree" installed)

# The PNG header holds width and height as 32-bit big-endian numbers from byte 16 on.
foreach(size 32 48 64 128 256)
    set(png ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()

vistaro_check_desktop_entry(${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop ${PREFIX})

# "make uninstall"-style tools read the manifest: the entry written at install time is in it.
file(STRINGS ${BUILD_DIR}/install_manifest.txt manifest)
list(TRANSFORM manifest REPLACE "^${PREFIX}/" "")
list(SORT manifest)
vistaro_compare_files("The install manifest" manifest)

# The metainfo's newest release is this build's version, under the program's license.
file(READ ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" newest "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "The metainfo's newest release is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()
string(FIND "${metainfo}" "<project_license>GPL-3.0-or-later</project_license>" at)
if(at EQUAL -1)
    message(FATAL_ERROR "The metainfo does not name the program's license")
endif()
