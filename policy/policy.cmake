# Tables, names and files of the restriction set that need no window.
target_sources(gatrisk_policy PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/applet_catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/boot_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/make_regpaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/restriction_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_refused.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_root.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_tests.cpp)
