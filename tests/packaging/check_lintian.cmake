# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lintian on the package that check_deb.cmake built: no error, and every warning left is
# one that the README names with its reason.
# In: WORK_DIR (check_deb.cmake's), README.
cmake_minimum_required(VERSION 3.25)

file(GLOB package ${WORK_DIR}/vistaro_*.deb)
# lintian's exit status is not 0 for errors only; its tags are the answer.
execute_process(COMMAND lintian --no-cfg --display-level ">=warning" ${package}
                OUTPUT_VARIABLE report ERROR_VARIABLE problems RESULT_VARIABLE status)
if(problems MATCHES "(^|\n)(error|fatal)")
    message(FATAL_ERROR "lintian could not check ${package}:\n${problems}")
endif()
message(STATUS "lintian:\n${report}")
if(report MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian reports errors")
endif()

file(READ ${README} readme)
string(REGEX MATCHALL "(^|\n)W: [^ ]+: [^ \n]+" warnings "${report}")
foreach(warning IN LISTS warnings)
    string(REGEX REPLACE "^\n?W: [^ ]+: " "" tag "${warning}")
    if(NOT readme MATCHES "`${tag}`")
        message(FATAL_ERROR "The README does not explain the lintian warning ${tag}")
    endif()
endforeach()
