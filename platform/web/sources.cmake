target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/inet_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wininet.cpp)
target_link_libraries(gatrisk_platform PRIVATE Qt6::Network)
