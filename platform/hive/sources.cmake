target_sources(gatrisk_hive PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/base_block.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bin_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/security.cpp
  ${CMAKE_CURRENT_LIST_DIR}/upcase_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/writer.cpp)
