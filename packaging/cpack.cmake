# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# "cpack" in the build folder packages what "cmake --install" installs: a .deb on Linux, a
# zip archive elsewhere.

set(CPACK_PACKAGE_NAME vistaro)
set(CPACK_PACKAGE_VENDOR "The Vistaro developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as the package's long description wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Vistaro works out which lens a CCTV camera needs from the sensor format, the
focal length, the distance to the scene and the size of the scene, and
recommends lenses from its catalogue with their scene coverage, minimum focus
distance and datasheet.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vistaro)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    # A Debian package belongs under /usr whatever prefix "cmake --install" uses; the program
    # finds its data beside its executable, so it needs no prefix compiled in.
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VISTARO_MAINTAINER}")
    # The linked Qt libraries come from dpkg-shlibdeps; Qt loads the SVG icon plugin at run
    # time, the windows' Arial is met by Liberation Sans and the number plate's characters by
    # Open DIN.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), fonts-liberation, fonts-opendin")
    # Files under /usr root-owned and world-readable, directories searchable, as Debian wants.
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
else()
    set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
