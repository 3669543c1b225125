# The editing commands of the tabs and of the Edit menu.
target_sources(gatrisk_mainwindow PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/censor_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/censor_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/censor_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drive_applet_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_presets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_path_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_tools.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wallpaper_chooser.cpp)
