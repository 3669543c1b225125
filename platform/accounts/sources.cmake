target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/account_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hive_loader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_and_wait.cpp)
