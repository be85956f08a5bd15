# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the program of the unpacked package (check_deb.cmake's WORK_DIR/root) offscreen from an
# unrelated working directory, its settings file in a home of its own. The start probe, a Qt
# plugin loaded from outside, then asks for a lens and its datasheet as a user would; the
# catalogue, the language file and the datasheet must all come from the unpacked tree.
# In: WORK_DIR, PROBE_DIR (the folder that holds generic/<probe plugin>), BINDIR, DATADIR.
cmake_minimum_required(VERSION 3.25)

set(root ${WORK_DIR}/root/usr)
set(data ${root}/${DATADIR}/vistaro)
set(run ${WORK_DIR}/relocated)
file(REMOVE_RECURSE ${run})
file(MAKE_DIRECTORY ${run}/elsewhere ${run}/home/.config/vistaro)
# Point decimals, to suit the C locale the program runs in; line 4 is the datasheets' root.
file(WRITE ${run}/home/.config/vistaro/lens.ini
     ".\r\n,\r\n${data}/English.lng\r\n${data}/cd/\r\n")

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=DISPLAY
            --unset=WAYLAND_DISPLAY HOME=${run}/home LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
            QT_PLUGIN_PATH=${PROBE_DIR} QT_QPA_GENERIC_PLUGINS=vistarostartprobe
            ${root}/${BINDIR}/vistaro
    WORKING_DIRECTORY ${run}/elsewhere
    OUTPUT_VARIABLE shown ERROR_VARIABLE log RESULT_VARIABLE status TIMEOUT 60)
message(STATUS "The program showed:\n${shown}")
set(expected "window: Vistaro\nsensor frame: Sensor\nlens: H6012DD\n\
datasheet: PDF: ${data}/cd/Pdf/Obiettivi/FF/H6012DD.pdf\n")
if(NOT status EQUAL 0 OR NOT shown STREQUAL expected)
    message(FATAL_ERROR "Expected, with status 0 (got ${status}):\n${expected}\nLog:\n${log}")
endif()
