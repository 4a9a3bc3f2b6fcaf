# Reads every include of every layer folder against the table in layers.cmake and fails on one
# that points up, across (a feature into another, a platform into another) or out of the layers,
# whatever its form: "folder/file.h", <folder/file.h> or a path with "../".
#   cmake -P cmake/check_layers.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)
set(faults 0)
# The first parts of the paths that name the project's files.
set(tops)
file(GLOB entries RELATIVE ${ZEITFANG_ROOT} ${ZEITFANG_ROOT}/*)
foreach(entry ${entries})
  if(IS_DIRECTORY ${ZEITFANG_ROOT}/${entry} AND NOT entry MATCHES "^(\\.|build)")
    list(APPEND tops ${entry})
  endif()
endforeach()
foreach(folder ${ZEITFANG_FOLDERS})
  zeitfang_layer_uses(${folder} uses)
  file(GLOB files ${ZEITFANG_ROOT}/${folder}/*.h ${ZEITFANG_ROOT}/${folder}/*.cpp
    ${ZEITFANG_ROOT}/${folder}/*.c)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^<\"]*[<\"]([^>\"]*)[>\"].*" "\\1" included "${line}")
      string(REGEX MATCH "^[^/]*" top "${included}")
      if(line MATCHES "\"" AND (included MATCHES "^\\.\\.?/" OR EXISTS ${ZEITFANG_ROOT}/${folder}/${included}))
        # Beside the including file, or reached from it by a relative path.
        get_filename_component(target ${ZEITFANG_ROOT}/${folder}/${included} ABSOLUTE)
        file(RELATIVE_PATH target ${ZEITFANG_ROOT} ${target})
      elseif(top IN_LIST tops AND included MATCHES "/")
        set(target ${included})
      else()
        # A system header, or a file the build generates beside the sources.
        continue()
      endif()
      get_filename_component(from ${target} DIRECTORY)
      if(from STREQUAL folder OR from IN_LIST uses)
        continue()
      endif()
      file(RELATIVE_PATH shown ${ZEITFANG_ROOT} ${file})
      message(SEND_ERROR "${shown}: ${line} reaches ${from}/, which ${folder}/ may not use"
        " (it uses: ${uses})")
      math(EXPR faults "${faults} + 1")
    endforeach()
  endforeach()
endforeach()
list(LENGTH ZEITFANG_FOLDERS n)
message(STATUS "layers: ${n} folders, ${faults} includes out of line")
