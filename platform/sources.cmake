target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/codepage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_attributes.cpp)
target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/held_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vb_files.cpp)
target_sources(gatrisk_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/profile_strings.cpp)
