# The Windows build, cross-compiled with mingw-w64 (cmake/mingw-w64-x86_64.cmake) and tested
# under Wine (test-windows.sh): the platform, scan and command-line libraries with the plain
# code they use, quillet-scan.exe and their tests. The window needs a Qt built for Windows,
# which Debian does not carry, so it is not part of this build.
enable_language(RC)
# The C and C++ runtimes are linked in, so the programs run with no compiler DLL beside them.
add_link_options(-static)
# Every Win32 call takes UTF-16 (the W functions); Windows 10 is the oldest system aimed at.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

include(cmake/VersionInfo.cmake)
add_subdirectory(src)
add_subdirectory(bench)

enable_testing()
add_subdirectory(tests)
