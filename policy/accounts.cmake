# Account lookups of the main window, drive and older-version probes, the start-up reads and direct writers of
# the running account, and the apply-and-load frame.
target_sources(gatrisk_policy PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/account_discovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/account_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drive_probe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ie_restrictions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/older_version.cpp
  ${CMAKE_CURRENT_LIST_DIR}/own_settings_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/own_settings_write.cpp)
