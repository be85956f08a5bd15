# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Debian wants beside the program: in /usr/share/doc/<package> the machine-readable
# copyright file and a changelog, and a manual page, both compressed the reproducible way. They
# go into "cmake --install" too.

# Whoever builds the package maintains it: Debian's tools take the name and address from
# DEBFULLNAME and DEBEMAIL. Without them the address is a reserved ".invalid" one, which says
# plainly that nobody answers it rather than pretending somebody does.
if(DEFINED ENV{DEBEMAIL} AND DEFINED ENV{DEBFULLNAME})
    set(maintainer_default "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(maintainer_default "Vistaro package builder <nobody@vistaro.invalid>")
endif()
set(VISTARO_MAINTAINER "${maintainer_default}" CACHE STRING
    "Name and e-mail address in the package's Maintainer field and changelog")

execute_process(COMMAND date -R -u -d ${VISTARO_RELEASE_DATE}
                OUTPUT_VARIABLE VISTARO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
set(manual ${CMAKE_CURRENT_BINARY_DIR}/vistaro.1)
configure_file(changelog.in ${changelog} @ONLY)
configure_file(vistaro.1 ${manual} @ONLY)

# -n leaves out the name and time stamp, so the same text always gives the same bytes.
find_program(VISTARO_GZIP gzip REQUIRED)
foreach(text ${changelog} ${manual})
    add_custom_command(OUTPUT ${text}.gz
        COMMAND ${VISTARO_GZIP} -9 -n -c ${text} > ${text}.gz
        DEPENDS ${text}
        COMMENT "Compressing ${text}")
endforeach()
add_custom_target(vistaro_debian_texts ALL DEPENDS ${changelog}.gz ${manual}.gz)

install(FILES copyright ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
