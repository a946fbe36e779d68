# Installation: `cmake --install build` (any --prefix, DESTDIR honoured) puts
# the executable under bin/ and the program folder's data under
# share/lettrarium/, with a desktop entry, the icons, AppStream metadata and
# a man page. The program finds its data from where its executable lies, so a
# tree staged under DESTDIR or moved to another prefix works as well; a
# program folder beside the executable (build/game/) still comes first.
include(GNUInstallDirs)

set(LETTRARIUM_DATA_SUBDIR ${CMAKE_INSTALL_DATADIR}/lettrarium)
file(RELATIVE_PATH LETTRARIUM_DATA_FROM_BIN ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${LETTRARIUM_DATA_SUBDIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/platform/paths.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             LETTRARIUM_DATA_FROM_BIN="${LETTRARIUM_DATA_FROM_BIN}"
             LETTRARIUM_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/lettrarium")

install(TARGETS lettrarium RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Every data folder the build made beside the executable.
install(DIRECTORY ${GAME_DIR}/ DESTINATION ${LETTRARIUM_DATA_SUBDIR}
        PATTERN lettrarium EXCLUDE)

set(DESKTOP_DATA ${CMAKE_SOURCE_DIR}/data/desktop)
install(FILES ${DESKTOP_DATA}/lettrarium.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DESKTOP_DATA}/org.lettrarium.Lettrarium.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DESKTOP_DATA}/lettrarium.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The icons are drawn by the picture tool (tools/pictures) at 48, 128, 256 px.
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
