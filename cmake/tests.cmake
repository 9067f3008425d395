# Tests: the same GoogleTest suites run natively and, cross-compiled, under Wine.
if(CMAKE_CROSSCOMPILING)
  # Debian ships GoogleTest's sources; build them with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(TACKPIN_GTEST gtest gmock)
  set(TACKPIN_GTEST_MAIN gtest_main)
else()
  find_package(GTest REQUIRED)
  set(TACKPIN_GTEST GTest::gtest GTest::gmock)
  set(TACKPIN_GTEST_MAIN GTest::gtest_main)
endif()

# One executable per area; each runs as one test process (a Wine start per
# test case would dominate the run).
function(tackpin_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} simhost ${TACKPIN_GTEST} ${TACKPIN_GTEST_MAIN})
  add_dependencies(${name} Tackpin)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
tackpin_test(unit_tests SOURCES ${UNIT_TEST_SOURCES} LIBS tackpin_core tackpin_platform)

file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp tests/support/*.cpp)
tackpin_test(e2e_tests SOURCES ${E2E_TEST_SOURCES})

file(GLOB SIMHOST_TEST_SOURCES CONFIGURE_DEPENDS tests/simhost/*.cpp)
tackpin_test(simhost_tests SOURCES ${SIMHOST_TEST_SOURCES})

# The module's export and import tables, read by the toolchain's own tools.
if(WIN32)
  set(TACKPIN_OBJDUMP x86_64-w64-mingw32-objdump)
else()
  set(TACKPIN_OBJDUMP nm)
endif()
add_test(NAME module_tables
  COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:Tackpin> -DTOOL=${TACKPIN_OBJDUMP}
          -DWINDOWS=${WIN32} -P ${PROJECT_SOURCE_DIR}/tests/check_module_tables.cmake)

# The version resource carries the project's version, the one the release
# package is named after.
if(WIN32)
  add_test(NAME module_version
    COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:Tackpin> -DVERSION=${PROJECT_VERSION}
            -DSTRINGS=x86_64-w64-mingw32-strings -P ${PROJECT_SOURCE_DIR}/tests/check_module_version.cmake)
endif()

# A host module that lacks most names, for MQInit's failure path.
add_library(partial_host SHARED tests/fixtures/partial_host.cpp)
target_include_directories(partial_host PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(partial_host PROPERTIES PREFIX "")
add_dependencies(unit_tests partial_host)

# The README and the build name only folders that exist.
add_test(NAME layout
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/tests/check_layout.cmake)

include(cmake/session_tests.cmake)
