# What the window needs beside it on Windows: Qt's DLLs and plugins and the compiler's runtime
# DLLs, copied into bin/ (where the build puts every program) at configure time; and the target
# windows-zip, built with everything, which packs dist/quillet-<version>-windows-x86_64.zip:
# quillet.exe, quillet-scan.exe, those DLLs and plugins, the example Excludes.ini, and in
# translations/ the window's catalogues with Qt's own for the same languages (Debian's
# qt6-translations-l10n, of the same Qt version).
set(QUILLET_WINDOWS_DLLS)
foreach(module Core Gui Widgets PrintSupport)
    list(APPEND QUILLET_WINDOWS_DLLS ${QUILLET_WINDOWS_QT}/bin/Qt6${module}.dll)
endforeach()
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "The compiler's ${runtime} is missing")
    endif()
    file(REAL_PATH "${found}" found)
    list(APPEND QUILLET_WINDOWS_DLLS ${found})
endforeach()
# The plugins, by folder: the platform (and offscreen, for the tests) and the native style.
# Printing to Windows printers is part of Qt6PrintSupport.dll itself.
set(QUILLET_WINDOWS_PLUGINS platforms/qwindows.dll styles/qwindowsvistastyle.dll)

set(QUILLET_QT_CATALOGUES)
foreach(language ${QUILLET_LANGUAGES})
    set(catalogue ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm)
    if(NOT EXISTS ${catalogue})
        message(FATAL_ERROR "Qt's catalogue ${catalogue} is missing (qt6-translations-l10n)")
    endif()
    list(APPEND QUILLET_QT_CATALOGUES ${catalogue})
endforeach()

set(bin ${CMAKE_BINARY_DIR}/bin)
file(COPY ${QUILLET_WINDOWS_DLLS} DESTINATION ${bin})
file(COPY ${QUILLET_QT_CATALOGUES} DESTINATION ${QUILLET_CATALOGUES_DIR})
foreach(plugin ${QUILLET_WINDOWS_PLUGINS} platforms/qoffscreen.dll)
    get_filename_component(folder ${plugin} DIRECTORY)
    file(COPY ${QUILLET_WINDOWS_QT}/plugins/${plugin} DESTINATION ${bin}/${folder})
endforeach()

set(zip_name quillet-${PROJECT_VERSION}-windows-x86_64)
set(stage ${CMAKE_BINARY_DIR}/${zip_name})
set(copy_plugins)
set(binaries ${stage}/quillet.exe ${stage}/quillet-scan.exe)
foreach(dll ${QUILLET_WINDOWS_DLLS})
    get_filename_component(name ${dll} NAME)
    list(APPEND binaries ${stage}/${name})
endforeach()
foreach(plugin ${QUILLET_WINDOWS_PLUGINS})
    list(APPEND binaries ${stage}/${plugin})
    get_filename_component(folder ${plugin} DIRECTORY)
    list(APPEND copy_plugins COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${folder}
         COMMAND ${CMAKE_COMMAND} -E copy ${bin}/${plugin} ${stage}/${folder})
endforeach()
add_custom_target(windows-zip ALL
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quillet> $<TARGET_FILE:quillet-scan>
            ${QUILLET_WINDOWS_DLLS} ${PROJECT_SOURCE_DIR}/data/Excludes.ini ${stage}
    ${copy_plugins}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/translations
    COMMAND ${CMAKE_COMMAND} -E copy ${QUILLET_CATALOGUES} ${QUILLET_QT_CATALOGUES}
            ${stage}/translations
    # Without their debugging data, which is most of their size.
    COMMAND ${CMAKE_STRIP} --strip-debug ${binaries}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
            ${CMAKE_COMMAND} -E tar cf ${PROJECT_SOURCE_DIR}/dist/${zip_name}.zip --format=zip
            ${zip_name}
    COMMENT "Packing dist/${zip_name}.zip"
    VERBATIM)
add_dependencies(windows-zip quillet quillet-scan quillet_catalogues)
