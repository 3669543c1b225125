cmake_minimum_required(VERSION 3.25)
# Fails when a source of a layer includes a header of a layer that is not below it.
# Usage: cmake -DSOURCE_DIR=<project> -P includes_point_down.cmake

# layer | the layers its sources may include besides its own
set(rules
  "platform/hive|"
  "platform|platform/hive"
  "controls|platform,platform/hive"
  "mainform|platform,platform/hive,controls"
  "policy|platform,platform/hive,controls,mainform"
  "startup|platform,platform/hive,controls,mainform"
  "settingsfile|platform,platform/hive,controls,mainform,policy"
  "mainwindow|platform,platform/hive,controls,mainform,policy,startup,settingsfile"
  "qtui|platform,platform/hive,controls")
set(project_folders platform controls mainform policy startup settingsfile mainwindow qtui app regg winhlp
  testsupport tests bench)

# The layer a project path belongs to: platform/hive is a layer of its own inside platform.
function(layer_of path out)
  if(path MATCHES "^platform/hive/")
    set(${out} "platform/hive" PARENT_SCOPE)
  else()
    string(REGEX MATCH "^[^/]+" first "${path}")
    set(${out} "${first}" PARENT_SCOPE)
  endif()
endfunction()

set(failures "")
foreach(rule IN LISTS rules)
  string(REGEX REPLACE "[|,]" ";" parts "${rule}")
  list(GET parts 0 layer)
  list(LENGTH parts count)
  set(allowed "${layer}")
  if(count GREATER 1)
    list(SUBLIST parts 1 -1 below)
    list(APPEND allowed ${below})
  endif()
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    layer_of("${source}" own)
    if(NOT own STREQUAL layer)
      continue() # platform/hive's files are checked under their own rule
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
      layer_of("${header}" target)
      if(NOT target IN_LIST project_folders AND NOT target STREQUAL "platform/hive")
        continue() # a header beside the source or of a library
      endif()
      if(NOT target IN_LIST allowed)
        list(APPEND failures "${source}: includes ${header}, a header of ${target}, which is not below ${layer}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "every include points down")
