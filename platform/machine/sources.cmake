target_sources(gatrisk_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/default_machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine_config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mount_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sample_machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows_path.cpp)
# The program's help file, installed beside the program in every sample machine.
qt_add_resources(gatrisk_platform "help_file" PREFIX "/" BASE ${PROJECT_SOURCE_DIR}/help
  FILES ${PROJECT_SOURCE_DIR}/help/gatr2002.hlp)
