# The Debian package: `cpack -G DEB` in the build folder turns the install rules into tavni_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavni)
set(CPACK_PACKAGE_VENDOR "Tavni developers")
set(CPACK_PACKAGE_CONTACT "Tavni developers <tavni@tavni.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The summary and the description are those of dist/io.invalid.tavni.metainfo.xml.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn the coloured lenses until every cell holds its own colour")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Tavni is a single-player colour puzzle game. The board is a rectangle of
square cells, each with a colour of its own; on every edge between two cells
lies a lens of two coloured halves. A left click on a cell turns the four
lenses around it a quarter turn anticlockwise, a right click clockwise. A
board is solved when every cell holds four pieces of its own colour.

There are two ways to play:
  - Classic: one small board against the clock, with a table of the ten
    best times.
  - Puzzle: a series of more than two hundred boards in five levels, each
    hiding a picture. Every player's progress is kept, so the series goes
    on where it was left.

Five difficulty settings decide how far a board is scrambled, and an option
gives every colour a pattern of its own for players who cannot tell colours
apart. The game speaks sixteen languages and plays eight songs of its own.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGames.cmake)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavni.invalid/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# dpkg-shlibdeps adds the libraries the program links to. It cannot see the platform plugins Qt
# loads at run time: on Debian 12 the xcb one comes with libqt6gui6, which the program links to,
# so X11 needs nothing more; on a Wayland session Qt 6 prefers its Wayland plugin (qt6-wayland)
# and falls back to xcb through Xwayland without it, hence only a recommendation. Qt's own
# translations (qt6-translations-l10n) give its dialogs' buttons the player's language; without
# them those stay English. The launcher
# needs bash and coreutils, essential packages that a package must not name as dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# The board's texts come in the program's own faces. The dialogs take the desktop's font, and
# in Chinese, Japanese and Korean they need a face for those characters, as any such desktop has.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-noto-cjk")

include(CPack)
