target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/default_machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine_config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mount_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sample_machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows_path.cpp)
