# Each source folder is one layer. This table is the one place where the folders are listed and
# the direction is written: a folder, then the folders directly below it that it uses. The build
# makes each folder one library that links only those. Sources include "folder/file.h" from the
# repository's root; before any library is built, check_layers.cmake reads every include of
# every folder, in any form, against this table and stops the build on one that points up or
# across.
set(ZEITFANG_LAYERS
  # pure types and conversions
  "base:"
  # what the features share: the program's variables, the settings, each window's design and
  # the view interfaces; beside it, the platform interfaces
  "shared:base"
  "platform:base"
  # the features
  "capture:shared,platform"
  "countdown:shared,platform"
  "clock:shared,platform"
  "options:shared,platform"
  # Form1 and start-up
  "app:capture,countdown,clock,options"
  # one folder per platform, each on the platform interfaces alone
  "platform/linux:platform"
  "platform/linux/modules:platform"
  "platform/wayland:platform"
  "platform/windows:platform"
  # the shells, each with its program
  "shell/qt:app,platform/linux,platform/wayland"
  "shell/win32:app,platform/windows")

set(ZEITFANG_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
get_filename_component(ZEITFANG_ROOT ${ZEITFANG_ROOT} ABSOLUTE)

# The folders, in the table's order.
set(ZEITFANG_FOLDERS)
foreach(entry ${ZEITFANG_LAYERS})
  string(REGEX REPLACE ":.*" "" folder "${entry}")
  list(APPEND ZEITFANG_FOLDERS ${folder})
endforeach()
# A regular expression for the program's own sources, for the naming check.
string(REPLACE ";" "|" alternatives "${ZEITFANG_FOLDERS}")
set(ZEITFANG_SOURCE_REGEX "/(${alternatives})/[^/]+\\.(cpp|h)$")

# The folders a layer uses, directly or through those below it.
function(zeitfang_layer_uses folder out)
  set(found)
  set(todo ${folder})
  while(todo)
    list(POP_FRONT todo current)
    foreach(entry ${ZEITFANG_LAYERS})
      if(entry MATCHES "^${current}:(.+)$")
        string(REPLACE "," ";" below "${CMAKE_MATCH_1}")
        foreach(b ${below})
          if(NOT b IN_LIST found)
            list(APPEND found ${b})
            list(APPEND todo ${b})
          endif()
        endforeach()
      endif()
    endforeach()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# The folders directly below a layer.
function(zeitfang_layer_below folder out)
  set(below)
  foreach(entry ${ZEITFANG_LAYERS})
    if(entry MATCHES "^${folder}:(.+)$")
      string(REPLACE "," ";" below "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} ${below} PARENT_SCOPE)
endfunction()

# The step every layer's library waits for: the includes of every folder read against the table.
function(zeitfang_layer_check)
  if(TARGET zeitfang_layers)
    return()
  endif()
  set(files)
  foreach(folder ${ZEITFANG_FOLDERS})
    file(GLOB found CONFIGURE_DEPENDS ${ZEITFANG_ROOT}/${folder}/*.h ${ZEITFANG_ROOT}/${folder}/*.cpp
      ${ZEITFANG_ROOT}/${folder}/*.c)
    list(APPEND files ${found})
  endforeach()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layers.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -P ${ZEITFANG_ROOT}/cmake/check_layers.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${ZEITFANG_ROOT}/cmake/layers.cmake ${ZEITFANG_ROOT}/cmake/check_layers.cmake
    COMMENT "Checking that every include points down the layers" VERBATIM)
  add_custom_target(zeitfang_layers DEPENDS ${stamp})
endfunction()

# zeitfang_layer(<folder> [HEADERS_ONLY] [EXCLUDE <file names>] [SOURCES <more>] [LINKS <libraries>]):
# the folder's library, zeitfang_<folder with _ for />, compiled once with its sources and linked
# by whoever uses it. EXCLUDE leaves out a program's main() or a module's entry, which their own
# targets compile; a folder of headers alone, or whose sources go into a program
# (HEADERS_ONLY), makes an interface library.
function(zeitfang_layer folder)
  cmake_parse_arguments(arg "HEADERS_ONLY" "" "EXCLUDE;SOURCES;LINKS" ${ARGN})
  zeitfang_layer_check()
  string(REPLACE "/" "_" name ${folder})
  set(dir ${ZEITFANG_ROOT}/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  foreach(excluded ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${dir}/${excluded})
  endforeach()
  list(APPEND sources ${arg_SOURCES})
  if(arg_HEADERS_ONLY)
    set(sources)
  endif()
  if(sources)
    add_library(zeitfang_${name} STATIC ${sources})
    set(scope PUBLIC)
    add_dependencies(zeitfang_${name} zeitfang_layers)
  else()
    add_library(zeitfang_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(zeitfang_${name} ${scope} ${ZEITFANG_ROOT})
  zeitfang_layer_below(${folder} below)
  foreach(b ${below})
    string(REPLACE "/" "_" b ${b})
    target_link_libraries(zeitfang_${name} ${scope} zeitfang_${b})
  endforeach()
  target_link_libraries(zeitfang_${name} ${scope} ${arg_LINKS})
  # What a variant built with other flags (zeitfang_layer_variant) compiles and links.
  set_property(GLOBAL PROPERTY zeitfang_${name}_sources ${sources})
  set_property(GLOBAL PROPERTY zeitfang_${name}_links ${arg_LINKS})
endfunction()

# zeitfang_layer_variant(<folder> <variant> <compile flags>): the folder's library built once
# more with other flags (the sanitized tests), zeitfang_<folder>_<variant>, on the same variant of
# the layers below; made once, however many targets link it.
function(zeitfang_layer_variant folder variant flags)
  string(REPLACE "/" "_" name ${folder})
  set(lib zeitfang_${name}_${variant})
  if(TARGET ${lib})
    return()
  endif()
  get_property(sources GLOBAL PROPERTY zeitfang_${name}_sources)
  get_property(links GLOBAL PROPERTY zeitfang_${name}_links)
  if(sources)
    add_library(${lib} STATIC ${sources})
    set(scope PUBLIC)
    target_compile_options(${lib} PRIVATE ${flags})
    target_compile_definitions(${lib} PRIVATE
      $<TARGET_PROPERTY:zeitfang_${name},COMPILE_DEFINITIONS>)
    target_include_directories(${lib} PRIVATE
      $<TARGET_PROPERTY:zeitfang_${name},INCLUDE_DIRECTORIES>)
    add_dependencies(${lib} zeitfang_layers)
  else()
    add_library(${lib} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${lib} ${scope} ${ZEITFANG_ROOT})
  target_compile_definitions(${lib} ${scope}
    $<TARGET_PROPERTY:zeitfang_${name},INTERFACE_COMPILE_DEFINITIONS>)
  target_link_libraries(${lib} ${scope} ${links})
  zeitfang_layer_below(${folder} below)
  foreach(b ${below})
    zeitfang_layer_variant(${b} ${variant} "${flags}")
    string(REPLACE "/" "_" b ${b})
    target_link_libraries(${lib} ${scope} zeitfang_${b}_${variant})
  endforeach()
endfunction()

# The engine's layers, from the base up to Form1 (app and the layers it uses), with the version
# and the server hosts (ZEITFANG_VERSION, ZEITFANG_TIME_HOST, ZEITFANG_ITEM_HOST) compiled in
# where they are used.
function(zeitfang_engine_layers)
  zeitfang_layer_uses(app engine)
  foreach(folder ${ZEITFANG_FOLDERS})
    if(folder STREQUAL app OR folder IN_LIST engine)
      zeitfang_layer(${folder})
    endif()
  endforeach()
  string(REPLACE "." ";" version ${ZEITFANG_VERSION})
  list(GET version 0 major)
  list(GET version 1 minor)
  list(GET version 3 revision)
  target_compile_definitions(zeitfang_shared PUBLIC ZEITFANG_VERSION_MAJOR=${major}
    ZEITFANG_VERSION_MINOR=${minor} ZEITFANG_VERSION_REVISION=${revision})
  target_compile_definitions(zeitfang_clock PRIVATE ZEITFANG_TIME_HOST="${ZEITFANG_TIME_HOST}")
  target_compile_definitions(zeitfang_app PRIVATE ZEITFANG_ITEM_HOST="${ZEITFANG_ITEM_HOST}")
endfunction()
