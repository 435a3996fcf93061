# The Windows archive and installer. `cpack -G ZIP` in a Windows build folder makes
# ninefold-<version>-win64.zip with the two programs, the licences and README.txt;
# `cmake --build . --target msi` makes ninefold-<version>-win64.msi of the same files with wixl.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ninefold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ninefold developers")
set(CPACK_PACKAGE_FILE_NAME ninefold-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)

# Notepad before Windows 10 (1809) shows text with bare LF line ends as one line: the text
# files a Windows user opens go out with CR LF.
function(ninefold_windows_text source name)
    file(READ ${source} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${CMAKE_BINARY_DIR}/windows-text/${name} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    install(FILES ${CMAKE_BINARY_DIR}/windows-text/${name} DESTINATION .)
endfunction()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
ninefold_windows_text(${CMAKE_CURRENT_LIST_DIR}/windows/README.txt README.txt)
if(NINEFOLD_GUI)
    # Qt is linked into the game: its licence notice and the licence texts go with it.
    ninefold_windows_text(${CMAKE_CURRENT_LIST_DIR}/windows/Qt-LICENSE.txt Qt-LICENSE.txt)
    ninefold_windows_text(/usr/share/common-licenses/LGPL-3 LGPL-3.txt)
    ninefold_windows_text(/usr/share/common-licenses/GPL-3 GPL-3.txt)

    # The installer holds the files the archive holds, installed and stripped into msi-stage/.
    # wixl takes its files' paths relative to the build folder only.
    find_program(NINEFOLD_WIXL wixl)
    set(stage ${CMAKE_BINARY_DIR}/msi-stage)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/ninefold.wxs.in
        ${CMAKE_BINARY_DIR}/ninefold.wxs @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/desktop/icons/ninefold.ico
        ${CMAKE_BINARY_DIR}/ninefold.ico COPYONLY)
    add_custom_target(msi
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage} --strip
        COMMAND ${NINEFOLD_WIXL} -a x64 -o ${CPACK_PACKAGE_FILE_NAME}.msi ninefold.wxs
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        VERBATIM)
    add_dependencies(msi ninefold ninefold-cli)
endif()
include(CPack)
