# The project's naming (.clang-tidy) over the program's own sources, checked by the build where
# warnings are errors (the test command and CI), once everything is compiled: a name or a source
# file's name out of line stops it, as a warning would. The Windows sources are read from the
# cross-build's compile commands with clang's mingw target and mingw's headers.
find_program(ZEITFANG_RUN_CLANG_TIDY NAMES run-clang-tidy run-clang-tidy-19 run-clang-tidy-14)
if(NOT ZEITFANG_RUN_CLANG_TIDY)
  if(ZEITFANG_REQUIRE_ALL)
    message(FATAL_ERROR "Zeitfang: cannot check the naming: no run-clang-tidy found")
  endif()
  message(WARNING "Zeitfang: the naming is not checked: no run-clang-tidy found")
  return()
endif()
add_custom_target(naming ALL COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/scripts/naming_check.py
  ${ZEITFANG_RUN_CLANG_TIDY} ${CMAKE_BINARY_DIR} "${ZEITFANG_FOLDERS}" -quiet -j 2
  -header-filter=${ZEITFANG_SOURCE_REGEX} ${ZEITFANG_SOURCE_REGEX} VERBATIM)
add_dependencies(naming zeitfang ${modules})
if(TARGET windows_program)
  execute_process(COMMAND sh -c "${ZEITFANG_MINGW_CXX} -xc++ -E -v - </dev/null 2>&1"
    OUTPUT_VARIABLE search)
  string(REGEX MATCHALL "\n /[^\n]*(c\\+\\+[^\n]*|mingw32/include)" dirs "${search}")
  set(mingw_headers)
  foreach(dir ${dirs})
    string(STRIP "${dir}" dir)
    list(APPEND mingw_headers -extra-arg=-isystem${dir})
  endforeach()
  add_custom_target(naming_windows ALL COMMAND /usr/bin/python3
    ${CMAKE_SOURCE_DIR}/scripts/naming_check.py ${ZEITFANG_RUN_CLANG_TIDY}
    ${CMAKE_BINARY_DIR}/windows/program "platform/windows;shell/win32" -quiet -j 2
    -extra-arg=--target=x86_64-w64-mingw32 ${mingw_headers}
    -header-filter=${ZEITFANG_SOURCE_REGEX} "/(platform/windows|shell/win32)/[^/]+\\.cpp$" VERBATIM)
  add_dependencies(naming_windows windows_program)
endif()
