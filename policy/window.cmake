# The operations on the main window's restriction set.
target_sources(gatrisk_policy PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/applet_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/click_reactions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/deinstall_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/get_cr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reg_load32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reg_save32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/restriction_boxes.cpp)
