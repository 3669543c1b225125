# Drive and older-version probes, the apply-and-load frame, and the start-up reads and direct writers of the
# running account.
target_sources(gatrisk_policy PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/older_version.cpp)
