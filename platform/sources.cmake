target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/codepage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_attributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_lock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/held_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/is_admin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/like_pattern.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_strings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_queries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vb_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vb_trim.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vb_ucase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_system.cpp)
