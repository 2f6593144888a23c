# The Debian package (cpack -G DEB; package.sh builds it): what `cmake --install` installs with
# prefix /usr, stripped, with the dependencies dpkg-shlibdeps computes from the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT "${QUILLET_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "disk usage shown as a pie chart, folder by folder")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillet scans a folder tree, totals every folder and file and shows one folder
at a time as a pie chart beside a list of its entries, largest first. Sizes are
shown as nominal bytes, as space allocated on disk or as the slack between the
two. It drills down by double-clicking, repeats scans on a timer, saves or
prints the listing, and deletes, opens or shows entries in the file manager.

quillet-scan prints the same listing on the command line.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${QUILLET_WEB_SITE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as Qt plugins, so dpkg-shlibdeps cannot see them: the SVG icon.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Opening files and web addresses goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

set(conffiles ${PROJECT_BINARY_DIR}/deb/conffiles)
file(CONFIGURE OUTPUT ${conffiles} CONTENT "${QUILLET_EXCLUDES_DESTINATION}/Excludes.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${conffiles})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
