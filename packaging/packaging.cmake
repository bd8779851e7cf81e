# make package: a .deb of the installed tree. Its dependencies are the
# Debian packages of the shared libraries the programs link
# (dpkg-shlibdeps); the package's own libraries are found inside it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME laundry)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Laundry card library")
set(LAUNDRY_PACKAGE_MAINTAINER
    "Laundry maintainers <maintainers@users.noreply.c-seed-ac4efe9c.example>"
    CACHE STRING "Maintainer field of the .deb")
set(CPACK_PACKAGE_CONTACT ${LAUNDRY_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "smart cards for coin-laundry machines: Reader Manager and laundrycard")
set(CPACK_PACKAGE_DESCRIPTION
    "Writes, reads and reports on the smart cards of coin-laundry machines:
reader setup cards from profiles, data collection cards and their records,
price special and door access cards, service persons' cards.
.
Reader Manager is the operator's desktop program; laundrycard does the same
work from the command line, for scripts and machines without a display.
Both drive a virtual card reader over card image files and keep profiles
and records in a SQLite database. The shared library liblaundry and its
headers let other card-management hosts call the same functions.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins are loaded, not linked, and libqt6gui6 only
# recommends them: without them reader-manager cannot open its window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The libraries' shlibs entry for packages built against them, and ldconfig
# run through dpkg's trigger: no maintainer scripts, so apt remove leaves no
# state behind (see deb_without_scripts.cmake).
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/deb/triggers "activate-noawait ldconfig\n")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/deb/shlibs
     "liblaundry ${PROJECT_VERSION_MAJOR} laundry (>= ${PROJECT_VERSION})\n"
     "liblaundry_platform ${PROJECT_VERSION_MAJOR} laundry (>= ${PROJECT_VERSION})\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_BINARY_DIR}/deb/triggers ${CMAKE_CURRENT_BINARY_DIR}/deb/shlibs)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/deb_without_scripts.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
