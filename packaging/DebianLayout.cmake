# Run by CPack on the staged install before the Debian package is made of it: Debian keeps the
# programs of games in /usr/games, where a user's PATH finds them, while a plain install puts
# them in bin. The data folder lies at the same place from either, ../share/trevallion.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
file(MAKE_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games")
foreach(program IN LISTS programs)
    get_filename_component(name ${program} NAME)
    file(RENAME ${program} "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games/${name}")
endforeach()
file(REMOVE_RECURSE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
