# Installs the game where a Linux desktop looks for it: the programs in bin, the data (the
# hand-written files and what the build generates into the run folder) in share/gigvale, where the
# game finds it from its own location, and the desktop entry, icons and metainfo under its id.
# `cpack -G DEB` packs the same files.
include(GNUInstallDirs)

install(TARGETS gigvale gigvale-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The game looks for bin/../share/gigvale, so the data folder is fixed relative to bin.
install(DIRECTORY ${GIGVALE_RUN_DIR}/data/ DESTINATION share/gigvale
  PATTERN "*.tmp" EXCLUDE)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${GIGVALE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${GIGVALE_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${GIGVALE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${GIGVALE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${GIGVALE_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_PACKAGE_NAME gigvale)
set(CPACK_PACKAGE_VENDOR "The Gigvale developers")
set(CPACK_PACKAGE_CONTACT "The Gigvale developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Career simulation of a rock band")
set(CPACK_PACKAGE_DESCRIPTION "A single-player, turn-based career simulation of a rock band: auditions,
songwriting as a puzzle, rehearsals, gigs, albums and record deals, and band members with moods,
traits and relationships.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries' package names and versions come from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open shows the player's guide in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
