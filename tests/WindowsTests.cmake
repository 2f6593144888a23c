# The tests of the Windows build: the engine tests that need neither Linux nor a window, and
# the Windows backend's own. They run under Wine (test-windows.sh), one process per program.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)
target_compile_options(gtest_main PRIVATE -Wno-error)

add_library(quillet_test_support STATIC
    support/ExecutableImages.cpp
    support/FakeFolderSource.cpp
    support/Win32TempTree.cpp
)
target_include_directories(quillet_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quillet_test_support PUBLIC quillet_platform GTest::gtest)

function(quillet_windows_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE quillet_test_support GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

quillet_windows_test(platform_tests
    platform/Win32FolderSourceTest.cpp
    platform/Win32PlatformTest.cpp
)

quillet_windows_test(scan_tests
    scan/ExclusionListTest.cpp
    scan/FolderTreeTest.cpp
    scan/IniFileTest.cpp
    scan/NumberTextTest.cpp
    scan/Win32ScanTest.cpp
)
target_link_libraries(scan_tests PRIVATE quillet_scan)

quillet_windows_test(formats_tests formats/QXVersionInfoTest.cpp formats/VersionResourceTest.cpp)
target_link_libraries(formats_tests PRIVATE quillet_formats)
quillet_test_version_info(formats_tests)

quillet_windows_test(listing_tests listing/ChartEntriesTest.cpp)
target_link_libraries(listing_tests PRIVATE quillet_listing)

quillet_windows_test(cli_tests cli/Win32ScanCommandTest.cpp)
target_link_libraries(cli_tests PRIVATE quillet_cli)
add_dependencies(cli_tests quillet-scan)

if(NOT QUILLET_WINDOW)
    return()
endif()

# The window's tests that are not about Linux services, offscreen, each program with an
# application object of its own (support/QtTestMain.cpp); and the registry as the window and
# Explorer's entry leave it.
function(quillet_windows_widget_test name)
    add_executable(${name} ${ARGN} support/QtTestMain.cpp)
    target_link_libraries(${name} PRIVATE quillet_test_support GTest::gtest Qt6::Widgets Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

quillet_windows_test(app_tests app/SizeUnitsTest.cpp app/ToolTipTextTest.cpp)
target_link_libraries(app_tests PRIVATE quillet_app)

quillet_windows_widget_test(chart_widget_tests chart/PieChartTest.cpp)
target_link_libraries(chart_widget_tests PRIVATE quillet_chart_widgets)

quillet_windows_widget_test(details_widget_tests details/AboutBoxTest.cpp)
target_link_libraries(details_widget_tests PRIVATE quillet_details)
quillet_test_version_info(details_widget_tests)

quillet_windows_widget_test(app_widget_tests app/OptionsTest.cpp app/ReadableColoursTest.cpp)
target_link_libraries(app_widget_tests PRIVATE quillet_app)

quillet_windows_widget_test(settings_tests settings/WindowsRegistryTest.cpp)
target_link_libraries(settings_tests PRIVATE quillet_app)
