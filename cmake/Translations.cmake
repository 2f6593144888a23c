# The window's catalogues: translations/quillet_<language>.ts, compiled with Qt's lrelease
# (Debian's qt6-l10n-tools) into translations/ beside the window's program, where it looks
# first, and installed in share/quillet/translations. A message not finished in a catalogue is
# left out of it, so the catalogue test finds it missing.
# Cached, so that the tests and the Windows zip see them too.
set(QUILLET_LANGUAGES de fr es CACHE INTERNAL "The languages of the window's catalogues")
# The host's tools, also when building for Windows. lupdate is for the catalogue test.
set(tools ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin)
find_program(QUILLET_LRELEASE lrelease HINTS ${tools} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(QUILLET_LUPDATE lupdate HINTS ${tools} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
    set(catalogues ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
else()
    set(catalogues ${CMAKE_CURRENT_BINARY_DIR}/translations)
endif()
set(QUILLET_CATALOGUES_DIR ${catalogues} CACHE INTERNAL "Where the catalogues are compiled to")
set(qms "")
foreach(language ${QUILLET_LANGUAGES})
    set(ts ${PROJECT_SOURCE_DIR}/translations/quillet_${language}.ts)
    set(qm ${QUILLET_CATALOGUES_DIR}/quillet_${language}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLET_CATALOGUES_DIR}
        COMMAND ${QUILLET_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
        DEPENDS ${ts}
        VERBATIM)
    list(APPEND qms ${qm})
endforeach()
set(QUILLET_CATALOGUES ${qms} CACHE INTERNAL "The compiled catalogues")
add_custom_target(quillet_catalogues ALL DEPENDS ${QUILLET_CATALOGUES})
add_dependencies(quillet quillet_catalogues)
install(FILES ${QUILLET_CATALOGUES} DESTINATION share/quillet/translations COMPONENT quillet)
