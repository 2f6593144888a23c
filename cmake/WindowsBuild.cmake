# The Windows build, cross-compiled with mingw-w64 (cmake/mingw-w64-x86_64.cmake) and tested
# under Wine (test-windows.sh): the platform, scan and command-line libraries with the plain
# code they use, quillet-scan.exe and their tests; and, when QUILLET_WINDOWS_QT names a Qt
# built for Windows (tools/windows-qt.sh), the window, its tests and the zip a user unpacks.
enable_language(RC)
# Every program lands in bin/, beside the DLLs and plugins it needs as in the zip, so that the
# tests run under Wine as they would on Windows.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(QUILLET_WINDOWS_QT "" CACHE PATH "A Qt built for Windows; the window is built with it")
if(QUILLET_WINDOWS_QT)
    find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Test)
    set(QUILLET_WINDOW ON)
    # The window shares the C++ runtime DLLs with Qt's; quillet-scan.exe links its own in.
else()
    # The C and C++ runtimes are linked in, so the programs run with no compiler DLL beside them.
    add_link_options(-static)
endif()
# Every Win32 call takes UTF-16 (the W functions); Windows 10 is the oldest system aimed at.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

include(cmake/VersionInfo.cmake)
add_subdirectory(src)
add_subdirectory(bench)

enable_testing()
add_subdirectory(tests)

if(QUILLET_WINDOW)
    include(cmake/WindowsPackage.cmake)
endif()
