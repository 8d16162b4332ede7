# Run by CPack on the staged package: Debian keeps the programs of games in /usr/games, not /usr/bin.
# The launcher finds the game through paths relative to its own folder, which a sibling of bin/ keeps.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/bin ${usr}/games)
