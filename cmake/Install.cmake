# Installing like a Linux game: read-only data under share/the-vask, the game
# itself out of PATH (it only runs from a prepared folder), the launcher
# `the-vask` and the map tool on PATH, a menu entry, icons and AppStream data.
# `cpack -G DEB` (scripts/package.sh) turns the same rules into a package.
include(GNUInstallDirs)

set(VASK_DATA_DIR ${CMAKE_INSTALL_DATADIR}/the-vask)
set(VASK_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/the-vask)
file(RELATIVE_PATH VASK_BIN_TO_PREFIX /prefix/${CMAKE_INSTALL_BINDIR} /prefix)
configure_file(${CMAKE_SOURCE_DIR}/packaging/the-vask.sh.in ${CMAKE_BINARY_DIR}/packaging/the-vask @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS vask RUNTIME DESTINATION ${VASK_GAME_DIR})
install(TARGETS vaskmap RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/the-vask DESTINATION ${CMAKE_INSTALL_BINDIR})

# Generated data comes from the run folder, less anything a developer made
# there by playing: only the shipped maps and the progress-free campaign.dat.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/game/ DESTINATION ${VASK_DATA_DIR})
install(DIRECTORY ${VASK_RUN_DIR}/Textures DESTINATION ${VASK_DATA_DIR}
  FILES_MATCHING PATTERN "*.png" PATTERN "*.bmp")
install(DIRECTORY ${VASK_RUN_DIR}/Sounds DESTINATION ${VASK_DATA_DIR} FILES_MATCHING PATTERN "*.wav")
file(GLOB VASK_SHIPPED_MAP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/mapbuild/maps/*.vmap)
set(VASK_SHIPPED_MAP_PATTERNS)
foreach(source ${VASK_SHIPPED_MAP_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  list(APPEND VASK_SHIPPED_MAP_PATTERNS PATTERN ${name}.map)
endforeach()
install(DIRECTORY ${VASK_RUN_DIR}/Maps ${VASK_RUN_DIR}/Campaign DESTINATION ${VASK_DATA_DIR}
  FILES_MATCHING ${VASK_SHIPPED_MAP_PATTERNS})
install(FILES ${VASK_FRESH_CAMPAIGN} DESTINATION ${VASK_DATA_DIR})

install(FILES ${CMAKE_SOURCE_DIR}/packaging/the-vask.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.thevask.TheVask.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${VASK_APP_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME the-vask)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Vask developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "first-person voxel strategy game against a spreading growth")
set(CPACK_PACKAGE_DESCRIPTION "A world of cubic blocks is being overgrown by the vask, a hostile \
substance spreading from mind blocks. Mine blocks, build machines from their parts, burn the vask back \
and cage its minds. Six demo maps, a 26-mission campaign, skirmish on generated worlds and a map editor.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends is worked out by dpkg-shlibdeps from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
