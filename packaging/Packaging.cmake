# The Debian package: `cpack -G DEB` in the build folder (or the `package` target) turns what
# `cmake --install` places into ninefold_<version>_<arch>.deb, under /usr, with dependencies
# that dpkg-shlibdeps reads from the binaries.
include(GNUInstallDirs)

# Directories that the install creates: readable by everyone, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The copyright file and the changelog go where Debian tools look for them; the changelog is
# compressed without a time stamp so the same source gives the same bytes.
set(ninefold_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${ninefold_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > ${ninefold_changelog}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(ninefold_changelog ALL DEPENDS ${ninefold_changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ninefold_changelog}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/ninefold)

set(NINEFOLD_PACKAGE_MAINTAINER "The Ninefold developers <ninefold@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ninefold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ninefold developers")
set(CPACK_PACKAGE_CONTACT "${NINEFOLD_PACKAGE_MAINTAINER}")
# Staged through DESTDIR, so the install step leaves the desktop's indexes to dpkg's triggers
# instead of building them into the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/games_folder.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NINEFOLD_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog texts in the player's language, and the fonts Japanese and Chinese need.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "9x9 number-placement puzzle game, solver and checker")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ninefold is a game for the 9x9 number-placement puzzle: fill the grid so that
every row, column and 3x3 box holds each digit from 1 to 9 exactly once. Type
digits with the keyboard, the mouse buttons or the wheel, show the digits
still possible in every cell, let the game solve or check the grid, generate
new puzzles, and save and load puzzle files.
.
ninefold-cli offers the same solver, checker and generator to scripts.")
include(CPack)
