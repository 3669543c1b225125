target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ansi_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exit_flush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_replace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hive_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hive_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_calls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sample_hives.cpp
  ${CMAKE_CURRENT_LIST_DIR}/termination_flush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trim_null.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_registry_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_registry_values.cpp)
