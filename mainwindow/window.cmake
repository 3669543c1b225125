# The whole main window: the form with the engine over it, every command module attached, its load sequence,
# and the start-up's forms it opens.
target_sources(gatrisk_mainwindow PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/apply_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/developer_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_pictures.cpp)
