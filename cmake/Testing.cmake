# Test tiers.
#   mouse_native_test:  GoogleTest program of the portable core, built and run
#                       natively (sanitizers on).
#   mouse_windows_test: GoogleTest program cross-built for Windows and run by
#                       ctest under Wine (see scripts/wine-session.sh).
include(GoogleTest)

if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(MOUSE_GTEST_LIBS gtest gmock gtest_main)
else()
  find_package(GTest REQUIRED)
  set(MOUSE_GTEST_LIBS GTest::gtest GTest::gmock GTest::gtest_main)
endif()

set(MOUSE_TEST_TIMEOUT 120 CACHE STRING "Seconds one test may run before ctest stops it")

function(mouse_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${MOUSE_GTEST_LIBS} mouse_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${MOUSE_TEST_TIMEOUT} LABELS native)
endfunction()

function(mouse_windows_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${MOUSE_GTEST_LIBS} mouse_warnings)
  target_compile_definitions(${name} PRIVATE MOUSE_DIST_DIR="${MOUSE_DIST_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  # Discovery happens when ctest runs (inside the Wine session), never at build time.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT ${MOUSE_TEST_TIMEOUT} LABELS windows)
endfunction()
