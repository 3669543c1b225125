# Texts of both languages, the list bar, tabs, status bar and clock, and the Window, Language and Help menus.
target_sources(gatrisk_mainwindow PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bitmap_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_bar_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/localize.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_bars_and_menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_open.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_menu.cpp)
