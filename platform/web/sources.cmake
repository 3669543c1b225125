target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/http_get.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inet_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wininet.cpp)
