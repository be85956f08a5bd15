# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs inside "cmake --install" (and cpack's staging install): writes the desktop entry from its
# template with the install prefix in force, and records it in the install manifest.
# In: VISTARO_DESKTOP_TEMPLATE, VISTARO_DESKTOP_NAME, VISTARO_BINDIR, VISTARO_DATADIR.

cmake_path(ABSOLUTE_PATH VISTARO_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE bindir)
cmake_path(ABSOLUTE_PATH VISTARO_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE datadir)

set(VISTARO_EXECUTABLE "${bindir}/vistaro")
set(VISTARO_WORKING_DIR "${datadir}/vistaro")
set(entry "$ENV{DESTDIR}${datadir}/applications/${VISTARO_DESKTOP_NAME}")

message(STATUS "Installing: ${entry}")
configure_file("${VISTARO_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
