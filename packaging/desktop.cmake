# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Desktop integration on Linux: hicolor icons, AppStream metadata and the desktop entry, all
# named after VISTARO_APP_ID.

set(icon_source ${data_source}/icons/vistaro.svg)
set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${icon_source} DESTINATION ${icon_dir}/scalable/apps RENAME ${VISTARO_APP_ID}.svg)

# The bitmap sizes are rendered from the SVG at build time, so they never drift from it.
find_program(VISTARO_RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_renders)
foreach(size 32 48 64 128 256)
    set(render_dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
    set(render ${render_dir}/${VISTARO_APP_ID}.png)
    add_custom_command(OUTPUT ${render}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${render_dir}
        COMMAND ${VISTARO_RSVG_CONVERT} --width ${size} --height ${size} --output ${render}
                ${icon_source}
        DEPENDS ${icon_source}
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    list(APPEND icon_renders ${render})
    install(FILES ${render} DESTINATION ${icon_dir}/${size}x${size}/apps)
endforeach()
add_custom_target(vistaro_icon_renders ALL DEPENDS ${icon_renders})

set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/${VISTARO_APP_ID}.metainfo.xml)
configure_file(${VISTARO_APP_ID}.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The site files' type, so that a file manager opens a .vistaro file with the program.
install(FILES ${VISTARO_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${VISTARO_APP_ID}.xml)

# The entry's Exec= and Path= name the prefix in force at install time ("cmake --install
# --prefix" may differ from the configured one, and a package stages under DESTDIR), so the
# entry is written then.
install(CODE "
    set(VISTARO_DESKTOP_TEMPLATE [[${CMAKE_CURRENT_SOURCE_DIR}/${VISTARO_APP_ID}.desktop.in]])
    set(VISTARO_DESKTOP_NAME [[${VISTARO_APP_ID}.desktop]])
    set(VISTARO_BINDIR [[${CMAKE_INSTALL_BINDIR}]])
    set(VISTARO_DATADIR [[${CMAKE_INSTALL_DATADIR}]])
    include([[${CMAKE_CURRENT_SOURCE_DIR}/install-desktop-entry.cmake]])
")
