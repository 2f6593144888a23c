# The Debian packages (cpack -G DEB; package.sh builds them), two from one build, each what
# `cmake --install` puts in its component with prefix /usr, stripped, with the dependencies
# dpkg-shlibdeps computes from its program:
#   quillet-scan  the command-line scanner alone, for servers: libmount and the C++ runtime
#   quillet       the window, its launcher, icon and AppStream data, on top of quillet-scan
#                 (whose Excludes.ini it reads too), with the Qt libraries
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT "${QUILLET_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL quillet quillet-scan)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE quillet)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${QUILLET_WEB_SITE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Each description's first line is its package's summary. CPack puts
# CPACK_PACKAGE_DESCRIPTION_SUMMARY in front of a component's description unless it is CPack's
# own default (the project's DESCRIPTION would be taken otherwise): so it is that default.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_DEBIAN_QUILLET-SCAN_PACKAGE_NAME quillet-scan)
set(CPACK_DEBIAN_QUILLET-SCAN_DESCRIPTION
    "disk usage of a folder tree on the command line
quillet-scan scans a folder tree, totals every folder and file and prints the
listing of a folder, largest first, as nominal bytes, as space allocated on
disk or as the slack between the two. It also writes a whole scan to a file,
to be shown elsewhere by Quillet's window.

This package needs no graphical libraries, so it suits servers.")
set(conffiles ${PROJECT_BINARY_DIR}/deb/conffiles)
file(CONFIGURE OUTPUT ${conffiles} CONTENT "${QUILLET_EXCLUDES_DESTINATION}/Excludes.ini\n")
set(CPACK_DEBIAN_QUILLET-SCAN_PACKAGE_CONTROL_EXTRA ${conffiles})

set(CPACK_DEBIAN_QUILLET_PACKAGE_NAME quillet)
set(CPACK_DEBIAN_QUILLET_DESCRIPTION
    "disk usage shown as a pie chart, folder by folder
Quillet scans a folder tree, totals every folder and file and shows one folder
at a time as a pie chart beside a list of its entries, largest first. Sizes are
shown as nominal bytes, as space allocated on disk or as the slack between the
two. It drills down by double-clicking, repeats scans on a timer, saves or
prints the listing, and deletes, opens or shows entries in the file manager.

quillet-scan, in its own package, prints the same listing on the command line.")
# The SVG icon is loaded as a Qt plugin, which dpkg-shlibdeps cannot see. The example
# Excludes.ini the window reads comes with quillet-scan, of the same version.
set(CPACK_DEBIAN_QUILLET_PACKAGE_DEPENDS "libqt6svg6, quillet-scan (= ${PROJECT_VERSION})")
# Opening files and web addresses goes through xdg-open; Qt's standard dialogs speak the
# window's language with Qt's own catalogues.
set(CPACK_DEBIAN_QUILLET_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
include(CPack)
