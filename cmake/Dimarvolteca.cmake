# Shared build settings for every library, test and tool of the program.

function(dimarvolteca_warnings target)
  # Aggregates with default member values are filled partly on purpose.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter
                                           -Wno-missing-field-initializers)
endfunction()

# dimarvolteca_library(name SOURCES ... LIBS ...)
function(dimarvolteca_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  dimarvolteca_warnings(${name})
endfunction()

# dimarvolteca_test(name SOURCES ... LIBS ...): a Qt Test executable run headless by ctest.
function(dimarvolteca_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test testsupport ${ARG_LIBS})
  dimarvolteca_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DIMARVOLTECA_SOURCE_DIR=${CMAKE_SOURCE_DIR};LC_ALL=C.UTF-8;${DIMARVOLTECA_SANITIZER_ENV}"
    TIMEOUT 90)
endfunction()
