target_sources(gatrisk_hive PRIVATE ${CMAKE_CURRENT_LIST_DIR}/placeholder.cpp)
