# Builds the Debian package into WORK_DIR and checks its name, its dependencies and its files.
# In: WORK_DIR, VERSION, PREFIX (the packaging prefix), BUILD_DIR and the inputs of
# expected_files.cmake.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND cpack --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${WORK_DIR}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(GLOB packages ${WORK_DIR}/vistaro_${VERSION}_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one vistaro_${VERSION}_<arch>.deb in ${WORK_DIR}, got: ${packages}")
endif()

execute_process(COMMAND dpkg-deb -f ${packages} Depends OUTPUT_VARIABLE depends
                COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${depends}" depends)
foreach(runtime libqt6widgets6 libqt6svg6 fonts-liberation)
    if(NOT depends MATCHES "(^|, )${runtime}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${runtime}: ${depends}")
    endif()
endforeach()
if(depends MATCHES "-dev( |,|$)")
    message(FATAL_ERROR "Depends names a build package: ${depends}")
endif()

# Regular files only ("-rwx..."), with the "./<prefix>/" in front of each name taken off.
execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" listing "${listing}")
set(packaged)
foreach(line IN LISTS listing)
    if(line MATCHES "^-[^ ]+ .* \\.${PREFIX}/(.+)$")
        list(APPEND packaged ${CMAKE_MATCH_1})
    endif()
endforeach()
list(SORT packaged)
vistaro_compare_files("The package's file list" packaged)

execute_process(COMMAND dpkg-deb -x ${packages} ${WORK_DIR}/root COMMAND_ERROR_IS_FATAL ANY)
vistaro_check_desktop_entry(${WORK_DIR}/root${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop
                            ${PREFIX})
