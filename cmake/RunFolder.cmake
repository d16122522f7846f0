# Assembles the run folder next to the executable: hand-written data from game/,
# generated data from the generators under tools/. Every generator writes into
# ${VASK_RUN_DIR} and hangs its target on vask_data, so `cmake --build` always
# leaves a complete, playable folder. Player files (settings.ini, campaign.dat
# progress) are never overwritten.
add_custom_target(vask_data ALL)
add_dependencies(vask vask_data)

file(GLOB_RECURSE VASK_GAME_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/game/*)
set(VASK_GAME_STAMP ${CMAKE_BINARY_DIR}/game_files.stamp)
add_custom_command(
  OUTPUT ${VASK_GAME_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_SOURCE_DIR}/game
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/game ${VASK_RUN_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${VASK_GAME_STAMP}
  DEPENDS ${VASK_GAME_FILES}
  COMMENT "Copying game data into the run folder")
add_custom_target(vask_game_files DEPENDS ${VASK_GAME_STAMP})
add_dependencies(vask_data vask_game_files)

foreach(dir Maps Campaign Textures Sounds Shaders)
  file(MAKE_DIRECTORY ${VASK_RUN_DIR}/${dir})
endforeach()

# What the generators make for installing only, outside the run folder.
set(VASK_APP_ICON_DIR ${CMAKE_BINARY_DIR}/app_icons)
set(VASK_FRESH_CAMPAIGN ${CMAKE_BINARY_DIR}/fresh_campaign/campaign.dat)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/fresh_campaign)

# Each tools/<name>/CMakeLists.txt is self-contained.
file(GLOB VASK_TOOL_DIRS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/CMakeLists.txt)
foreach(tool_cmake ${VASK_TOOL_DIRS})
  get_filename_component(tool_dir ${tool_cmake} DIRECTORY)
  add_subdirectory(${tool_dir})
endforeach()
