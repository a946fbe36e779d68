# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: `cmake --install build` (any --prefix, DESTDIR honoured) puts
# the executable under bin/ and the program folder's data under
# share/lettrarium/, with a desktop entry, the icons, AppStream metadata and
# a man page. The program finds its data from where its executable lies, so a
# tree staged under DESTDIR or moved to another prefix works as well; a
# program folder beside the executable (build/game/) still comes first.
# The Debian package keeps to the games layout: -DCMAKE_INSTALL_BINDIR=games
# -DLETTRARIUM_DATA_SUBDIR=share/games/lettrarium (see debian/rules).
include(GNUInstallDirs)

set(LETTRARIUM_DATA_SUBDIR ${CMAKE_INSTALL_DATADIR}/lettrarium CACHE STRING
    "Folder of the game's data, relative to the installation prefix")
set(LETTRARIUM_DATA_DIR ${CMAKE_INSTALL_PREFIX}/${LETTRARIUM_DATA_SUBDIR})
file(RELATIVE_PATH LETTRARIUM_DATA_FROM_BIN ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${LETTRARIUM_DATA_DIR})
# Only the data folder's resolver needs them: a change of layout recompiles one file.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/platform/paths.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             LETTRARIUM_DATA_FROM_BIN="${LETTRARIUM_DATA_FROM_BIN}"
             LETTRARIUM_DATA_DIR="${LETTRARIUM_DATA_DIR}")

install(TARGETS lettrarium RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Every data folder the build made beside the executable.
install(DIRECTORY ${GAME_DIR}/ DESTINATION ${LETTRARIUM_DATA_SUBDIR}
        PATTERN lettrarium EXCLUDE)

# The metadata and the man page carry the version and the data folder; the
# desktop entry names the executable by its full path, since a desktop session
# may not search /usr/games.
set(DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)
set(METAINFO org.lettrarium.Lettrarium.metainfo.xml)
# One name for the desktop entry, the icons, the window and the metadata
# (whose <launchable> names the entry): the AppStream id.
set(DESKTOP_ID org.lettrarium.Lettrarium)
foreach(file ${METAINFO} lettrarium.6 ${DESKTOP_ID}.desktop)
  configure_file(${DESKTOP_DATA}/${file} ${CMAKE_BINARY_DIR}/desktop/${file} @ONLY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/desktop/${DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/desktop/lettrarium.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The icons are drawn by the picture tool (tools/pictures) at 48, 128, 256 px,
# beside the program folder of the build that drew them.
if(LETTRARIUM_GAME_DIR)
  get_filename_component(ICONS_DIR ${LETTRARIUM_GAME_DIR}/../icons ABSOLUTE)
else()
  set(ICONS_DIR ${CMAKE_BINARY_DIR}/icons)
endif()
# Named one by one: an icon of another name left in the folder by an older
# build is not installed.
foreach(px 48 128 256)
  install(FILES ${ICONS_DIR}/hicolor/${px}x${px}/apps/${DESKTOP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${px}x${px}/apps)
endforeach()
# Completion of the options, where bash-completion and Debian's zsh look.
install(FILES ${DESKTOP_DATA}/lettrarium.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME lettrarium)
install(FILES ${DESKTOP_DATA}/lettrarium.zsh-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
        RENAME _lettrarium)
