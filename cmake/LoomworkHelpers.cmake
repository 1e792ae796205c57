# loomwork_install_headers(<folder> <header>...)
# Installs public headers as include/loomwork/<folder>/<header>.
function(loomwork_install_headers folder)
  install(FILES ${ARGN} DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/loomwork/${folder}")
endfunction()

# loomwork_relative_path(<var> <from> <to>)
# The path from one install directory to another (both relative to the
# prefix), for code that finds its files relative to itself.
function(loomwork_relative_path var from to)
  file(RELATIVE_PATH path "/prefix/${from}" "/prefix/${to}")
  string(REGEX REPLACE "/$" "" path "${path}")
  set(${var} "${path}" PARENT_SCOPE)
endfunction()

# loomwork_set_install_rpath(<target> <install dir>)
# Lets a library or module installed in <install dir> find the project's
# libraries in the library directory, relative to itself.
function(loomwork_set_install_rpath target dir)
  loomwork_relative_path(to_lib "${dir}" "${CMAKE_INSTALL_LIBDIR}")
  if(to_lib STREQUAL "")
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  else()
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${to_lib}")
  endif()
endfunction()

# loomwork_add_test(<name> SOURCES <file>... [LIBRARIES <lib>...])
# Builds one Qt Test program and registers it with CTest. Widgets run on the
# offscreen platform so the suite needs no display; settings and standard
# paths are in test mode (loomwork_testmode).
function(loomwork_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test loomwork_testmode ${ARG_LIBRARIES})
  # The shared fixtures (tests/support) are there for every test program.
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests/support")
  target_compile_definitions(${name} PRIVATE
    LOOMWORK_PLUGIN_DIR="${LOOMWORK_BUILD_PLUGIN_DIR}"
    LOOMWORK_DATA_DIR="${LOOMWORK_BUILD_DATA_DIR}"
    LOOMWORK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FATAL_WARNINGS=0"
    TIMEOUT 300)
endfunction()
