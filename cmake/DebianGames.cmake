# Run by CPack on the staged package: Debian keeps the programs of games in /usr/games, not /usr/bin.
# The launcher finds the game through paths relative to its own folder, which a sibling of bin/ keeps.
# /usr/bin/tavni stays as a link to it, so the game also starts by that path and from root's PATH.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/bin ${usr}/games)
file(MAKE_DIRECTORY ${usr}/bin ${usr}/share/lintian/overrides)
file(CREATE_LINK ../games/tavni ${usr}/bin/tavni SYMBOLIC)
file(WRITE ${usr}/share/lintian/overrides/tavni
     "# /usr/bin/tavni is only a link to /usr/games/tavni, for those who start it by that path.\n"
     "tavni: package-section-games-but-has-usr-bin\n")
