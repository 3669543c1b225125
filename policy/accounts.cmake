# Drive and older-version probes, the apply-and-load frame, and the start-up reads and direct writers of the
# running account.
target_sources(gatrisk_policy PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/equals_one.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ie_restrictions.cpp)
# These work on the main window's controls.
if(EXISTS ${PROJECT_SOURCE_DIR}/mainwindow/main_form.h)
  target_sources(gatrisk_policy PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/drive_probe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/older_version.cpp
    ${CMAKE_CURRENT_LIST_DIR}/own_settings_read.cpp
    ${CMAKE_CURRENT_LIST_DIR}/own_settings_write.cpp)
  # The frame around the writer and the reader of an account's restriction set.
  if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/operations.h)
    target_sources(gatrisk_policy PRIVATE ${CMAKE_CURRENT_LIST_DIR}/account_frame.cpp)
  endif()
endif()
