# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Registers the installed MIME type in a database of its own, as the desktop does at install
# time, and checks that the database knows the site files by their name.
# In: MIME_FILE (the installed XML), UPDATE_MIME_DATABASE, WORK_DIR.
cmake_minimum_required(VERSION 3.25)

# WORK_DIR plays a data folder ("share"), named in the search path so that the tool has no
# reason to warn; a file it cannot read is only warned about, so any word from it fails.
file(REMOVE_RECURSE ${WORK_DIR})
set(database ${WORK_DIR}/mime)
file(COPY ${MIME_FILE} DESTINATION ${database}/packages)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${WORK_DIR} XDG_DATA_HOME=${WORK_DIR}
                        ${UPDATE_MIME_DATABASE} ${database}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR out OR err)
    message(FATAL_ERROR "update-mime-database refused ${MIME_FILE}:\n${out}${err}")
endif()

file(STRINGS ${database}/globs2 globs REGEX "^[0-9]+:application/x-vistaro-site:")
if(NOT globs MATCHES ":application/x-vistaro-site:\\*\\.vistaro$")
    message(FATAL_ERROR "The site files' glob is not registered: '${globs}'")
endif()
file(STRINGS ${database}/subclasses parents REGEX "^application/x-vistaro-site ")
if(NOT parents STREQUAL "application/x-vistaro-site application/json")
    message(FATAL_ERROR "A site file is not registered as JSON: '${parents}'")
endif()
file(READ ${database}/application/x-vistaro-site.xml type)
if(NOT type MATCHES "<comment>Vistaro site plan</comment>")
    message(FATAL_ERROR "The type has no comment:\n${type}")
endif()
