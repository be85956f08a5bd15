# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The files that an install holds, relative to its prefix, and the checks that an install and
# a package share. In: DATA_SOURCE, APP_ID, BINDIR, DATADIR.

# vistaro_expected_files(<out>): sorted list of the installed files.
function(vistaro_expected_files out)
    set(data ${DATADIR}/vistaro)
    set(files
        ${BINDIR}/vistaro
        ${DATADIR}/applications/${APP_ID}.desktop
        ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
        ${DATADIR}/mime/packages/${APP_ID}.xml
        ${DATADIR}/doc/vistaro/copyright
        ${DATADIR}/doc/vistaro/changelog.gz
        ${DATADIR}/man/man1/vistaro.1.gz
        ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)
    foreach(size 32 48 64 128 256)
        list(APPEND files ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    endforeach()
    # Catalogue and language files side by side, where the program starts; datasheets below.
    file(GLOB catalogue RELATIVE ${DATA_SOURCE} ${DATA_SOURCE}/Obbiettivi*.txt)
    file(GLOB languages RELATIVE ${DATA_SOURCE}/lang ${DATA_SOURCE}/lang/*.lng)
    file(GLOB_RECURSE datasheets RELATIVE ${DATA_SOURCE} ${DATA_SOURCE}/cd/*)
    foreach(name IN LISTS catalogue languages datasheets)
        list(APPEND files ${data}/${name})
    endforeach()
    list(SORT files)
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# vistaro_compare_files(<what> <actual-list-var>): fails naming every missing and extra file.
function(vistaro_compare_files what actual_var)
    vistaro_expected_files(expected)
    set(actual ${${actual_var}})
    set(missing ${expected})
    list(REMOVE_ITEM missing ${actual})
    set(extra ${actual})
    list(REMOVE_ITEM extra ${expected})
    if(missing OR extra)
        list(JOIN missing "\n  " missing)
        list(JOIN extra "\n  " extra)
        message(FATAL_ERROR "${what} differs.\nMissing:\n  ${missing}\nUnexpected:\n  ${extra}")
    endif()
endfunction()

# vistaro_check_desktop_entry(<entry-file> <prefix>): the entry starts the installed program
# in the installed data folder, with the site file it is given, which is of the type it lists.
function(vistaro_check_desktop_entry entry prefix)
    file(STRINGS ${entry} lines)
    foreach(wanted "Exec=\"${prefix}/${BINDIR}/vistaro\" %f" "Path=${prefix}/${DATADIR}/vistaro"
                   "Icon=${APP_ID}" "MimeType=application/x-vistaro-site;")
        if(NOT wanted IN_LIST lines)
            message(FATAL_ERROR "${entry} lacks the line ${wanted}")
        endif()
    endforeach()
endfunction()
