# Each source folder is one layer. This table is the one place where the direction is written:
# a folder, then the folders directly below it that it uses. The build makes each folder a
# library that links only those, and shows the layers above nothing but its own folder's
# headers, so an include that points up or across does not compile; check_layers.cmake reads
# every include of every folder against the same table, also where no compiler looks.
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

# The folders a layer uses, directly or through those below it.
function(zeitfang_layer_uses folder out)
  set(found)
  set(todo ${folder})
  while(todo)
    list(POP_FRONT todo current)
    foreach(entry ${ZEITFANG_LAYERS})
      string(REPLACE ":" ";" parts "${entry}")
      list(GET parts 0 name)
      if(name STREQUAL current)
        list(LENGTH parts n)
        if(n GREATER 1)
          list(GET parts 1 below)
          string(REPLACE "," ";" below "${below}")
          foreach(b ${below})
            if(NOT b IN_LIST found)
              list(APPEND found ${b})
              list(APPEND todo ${b})
            endif()
          endforeach()
        endif()
      endif()
    endforeach()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# zeitfang_layer(<folder> [HEADERS_ONLY] [EXCLUDE <file names>] [LINKS <libraries>]): the
# folder's library, zeitfang_<folder with _ for />. Those who link it see its headers as
# "<folder>/<name>.h" and nothing else of the source tree; a folder of headers alone, or one
# whose sources go into modules or a program (HEADERS_ONLY), makes an interface library.
function(zeitfang_layer folder)
  cmake_parse_arguments(arg "HEADERS_ONLY" "" "EXCLUDE;LINKS" ${ARGN})
  string(REPLACE "/" "_" name ${folder})
  set(dir ${ZEITFANG_ROOT}/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
  foreach(excluded ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${dir}/${excluded})
  endforeach()
  set(view ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view}/${folder})
  foreach(header ${headers})
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${view}/${folder}/${file} SYMBOLIC)
  endforeach()
  if(arg_HEADERS_ONLY)
    set(sources)
  endif()
  if(sources)
    add_library(zeitfang_${name} STATIC ${sources} ${headers})
    set(scope PUBLIC)
  else()
    add_library(zeitfang_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(zeitfang_${name} ${scope} ${view})
  foreach(entry ${ZEITFANG_LAYERS})
    if(entry MATCHES "^${folder}:(.*)$")
      string(REPLACE "," ";" below "${CMAKE_MATCH_1}")
      foreach(b ${below})
        string(REPLACE "/" "_" b ${b})
        target_link_libraries(zeitfang_${name} ${scope} zeitfang_${b})
      endforeach()
    endif()
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
  else()
    add_library(${lib} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${lib} ${scope} ${CMAKE_BINARY_DIR}/layers/${name})
  target_compile_definitions(${lib} ${scope}
    $<TARGET_PROPERTY:zeitfang_${name},INTERFACE_COMPILE_DEFINITIONS>)
  target_link_libraries(${lib} ${scope} ${links})
  foreach(entry ${ZEITFANG_LAYERS})
    if(entry MATCHES "^${folder}:(.*)$")
      string(REPLACE "," ";" below "${CMAKE_MATCH_1}")
      foreach(b ${below})
        zeitfang_layer_variant(${b} ${variant} "${flags}")
        string(REPLACE "/" "_" b ${b})
        target_link_libraries(${lib} ${scope} zeitfang_${b}_${variant})
      endforeach()
    endif()
  endforeach()
endfunction()

# The engine's layers, from the base up to Form1, with the version and the server hosts
# (ZEITFANG_VERSION, ZEITFANG_TIME_HOST, ZEITFANG_ITEM_HOST) compiled in where they are used.
function(zeitfang_engine_layers)
  foreach(folder base shared platform capture countdown clock options app)
    zeitfang_layer(${folder})
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
