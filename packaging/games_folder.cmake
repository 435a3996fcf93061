# Run by CPack on the staged files: Debian keeps the programs of games in /usr/games, so the
# package moves there what the install put in /usr/bin.
file(GLOB staged_bin LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin")
foreach(bin IN LISTS staged_bin)
    get_filename_component(usr "${bin}" DIRECTORY)
    file(RENAME "${bin}" "${usr}/games")
endforeach()
