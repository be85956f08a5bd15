# "cpack" in the build folder packages what "cmake --install" installs: a .deb on Linux, a
# zip archive elsewhere.

set(CPACK_PACKAGE_NAME vistaro)
set(CPACK_PACKAGE_VENDOR "Vistaro developers")
set(CPACK_PACKAGE_CONTACT "Vistaro developers <vistaro@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/vistaro/vistaro)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Vistaro works out which lens a CCTV camera needs from the sensor format, the focal length, \
the distance to the scene and the size of the scene, and recommends lenses from its catalogue \
with their scene coverage, minimum focus distance and datasheet.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vistaro)
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    # The program has its data folder compiled in, so the package installs where this build was
    # configured to install (configure with -DCMAKE_INSTALL_PREFIX=/usr for a system package).
    set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    # The linked Qt libraries come from dpkg-shlibdeps; Qt loads the SVG icon plugin at run
    # time, and the windows' Arial is met by Liberation Sans.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), fonts-liberation")
else()
    set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
