# The Windows archive: `cpack -G ZIP` in a Windows build folder makes
# ninefold-<version>-win64.zip with the two programs, the licences and a short README.txt.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ninefold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ninefold developers")
set(CPACK_PACKAGE_FILE_NAME ninefold-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_LIST_DIR}/windows/README.txt
    DESTINATION .)
if(NINEFOLD_GUI)
    # Qt is linked into the game: its licence notice and the licence texts go with it.
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/windows/Qt-LICENSE.txt DESTINATION .)
    install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION . RENAME LGPL-3.txt)
    install(FILES /usr/share/common-licenses/GPL-3 DESTINATION . RENAME GPL-3.txt)
endif()
include(CPack)
