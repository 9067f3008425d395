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

# One executable per area. Natively each test case is a test of its own
# ("AREA.Suite.Case"), so that the cases run in parallel and each shows as
# it ends; under Wine the area runs as one test process (a Wine start per
# test case would dominate the run).
include(GoogleTest)
function(tackpin_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} simhost ${TACKPIN_GTEST} ${TACKPIN_GTEST_MAIN})
  add_dependencies(${name} Tackpin)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
                         DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
tackpin_test(unit_tests SOURCES ${UNIT_TEST_SOURCES} LIBS tackpin_core tackpin_platform)

# The general containers of containers/, on their own: they need no host.
file(GLOB CONTAINER_TEST_SOURCES CONFIGURE_DEPENDS tests/containers/*.cpp)
tackpin_test(container_tests SOURCES ${CONTAINER_TEST_SOURCES})

file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp tests/support/*.cpp)
tackpin_test(e2e_tests SOURCES ${E2E_TEST_SOURCES} LIBS validation_harness)

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

# Deliberately broken plug-ins, built only to see the validation's checks
# fire: one leaks a widget, one a drawing object, one crashes on the draw
# event, one calls a host function it must not.
set(TACKPIN_BROKEN_PLUGINS leaky_widget_plugin leaky_drawing_plugin crashing_plugin forbidden_call_plugin)
# And plug-ins that are not Tackpin, for what the validator can and cannot
# exercise in them: one without a panel, one that crashes on a document
# event, one with a panel of its own controls, one whose button asks a
# question.
set(TACKPIN_OTHER_PLUGINS panelless_plugin document_crash_plugin other_panel_plugin asking_plugin)
foreach(fixture IN LISTS TACKPIN_BROKEN_PLUGINS TACKPIN_OTHER_PLUGINS)
  add_library(${fixture} MODULE tests/fixtures/${fixture}.cpp tests/fixtures/broken_plugin.cpp
              tests/fixtures/fixture_panel.cpp $<TARGET_OBJECTS:tackpin_platform>)
  target_include_directories(${fixture} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${fixture} PRIVATE tackpin_platform)
  set_target_properties(${fixture} PROPERTIES PREFIX "")
endforeach()

# The plug-in's test build for the allocation-failure sweep: the same code
# with an operator new and delete of its own, which count the module's
# allocations and fail one on demand, and a description of the plug-in
# object; both reached through exports that the release module lacks.
if(WIN32)
  set(TACKPIN_NEXT_ALLOCATOR platform/tools/next_allocator_windows.cpp)
else()
  set(TACKPIN_NEXT_ALLOCATOR platform/tools/next_allocator_posix.cpp)
endif()
add_library(Tackpin_allocfail MODULE
  $<TARGET_OBJECTS:tackpin_core> $<TARGET_OBJECTS:tackpin_platform>
  tests/fixtures/allocation_hook.cpp tests/fixtures/plugin_state_probe.cpp ${TACKPIN_NEXT_ALLOCATOR})
target_include_directories(Tackpin_allocfail PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(Tackpin_allocfail PRIVATE tackpin_platform)
set_target_properties(Tackpin_allocfail PROPERTIES PREFIX "")
if(NOT WIN32)
  # The replaced operator new and delete stay inside the module with
  # everything else but the entry points and the controls.
  target_link_options(Tackpin_allocfail PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/tests/fixtures/allocfail_exports.map -Wl,--no-undefined)
  set_property(TARGET Tackpin_allocfail APPEND PROPERTY LINK_DEPENDS
    ${PROJECT_SOURCE_DIR}/tests/fixtures/allocfail_exports.map)
endif()
set(TACKPIN_ALLOCFAIL_CONTROLS TackpinTestCountAllocations TackpinTestAllocations
    TackpinTestAllocationFailed TackpinTestDescribePlugin)
add_test(NAME allocfail_module_tables
  COMMAND ${CMAKE_COMMAND} -DMODULE=$<TARGET_FILE:Tackpin_allocfail> -DTOOL=${TACKPIN_OBJDUMP}
          -DWINDOWS=${WIN32} "-DEXTRA=${TACKPIN_ALLOCFAIL_CONTROLS}"
          -P ${PROJECT_SOURCE_DIR}/tests/check_module_tables.cmake)

# A store larger than the memory there is, in a process of its own whose
# address space is limited (RLIMIT_AS; Linux only).
if(NOT WIN32)
  add_executable(memory_limit_store tests/reliability/memory_limit_store.cpp
                 platform/tools/address_space_posix.cpp)
  target_include_directories(memory_limit_store PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(memory_limit_store PRIVATE validation_harness)
  add_dependencies(memory_limit_store Tackpin_allocfail)
  add_test(NAME memory_limit_store COMMAND memory_limit_store)
endif()

# Reliability: the fault sweep, the load cycles, random sessions, and the
# checks proven on the broken plug-ins.
file(GLOB RELIABILITY_TEST_SOURCES CONFIGURE_DEPENDS tests/reliability/*.cpp)
# A program of its own (above), not a case of the suite.
list(FILTER RELIABILITY_TEST_SOURCES EXCLUDE REGEX "memory_limit_store\\.cpp$")
tackpin_test(reliability_tests SOURCES ${RELIABILITY_TEST_SOURCES} LIBS validation_harness)
add_dependencies(reliability_tests ${TACKPIN_BROKEN_PLUGINS} ${TACKPIN_OTHER_PLUGINS} Tackpin_allocfail)

# The validator against the plug-in, and against each broken one: it must
# name the failing scenario and the check that fired.
function(tackpin_validate_test name module expect_fail pattern)
  set(validator $<TARGET_FILE:tackpin-validate>)
  if(ARGC GREATER 4)
    set(validator ${ARGV4})
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} "-DVALIDATOR=${validator}" -DMODULE=${module}
            "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -DEXPECT_FAIL=${expect_fail} "-DPATTERN=${pattern}"
            -P ${PROJECT_SOURCE_DIR}/tests/check_validator.cmake)
endfunction()
tackpin_validate_test(validate_tackpin $<TARGET_FILE:Tackpin> OFF "validate: [1-9][0-9]* passed, 0 failed")
tackpin_validate_test(validate_leaky_widget $<TARGET_FILE:leaky_widget_plugin> ON
                      "after exit: widget [0-9]+ \\(button\\)[^-]*still alive FAIL +start and exit")
tackpin_validate_test(validate_leaky_drawing $<TARGET_FILE:leaky_drawing_plugin> ON
                      "PASS +start and exit.*drawing object #[0-9]+ of document #1 is still alive.*FAIL +user session")
tackpin_validate_test(validate_crashing $<TARGET_FILE:crashing_plugin> ON
                      "PASS +start and exit.*FAIL +user session \\(crashed: ")
tackpin_validate_test(validate_forbidden_call $<TARGET_FILE:forbidden_call_plugin> ON
                      "unexpected call: MQ_CreateObject FAIL +start and exit")
# The same validator as a command of tackpin-host.
tackpin_validate_test(host_validate_tackpin $<TARGET_FILE:Tackpin> OFF
                      "PASS +random sessions.*validate: [1-9][0-9]* passed, 0 failed"
                      "$<TARGET_FILE:tackpin-host>;validate")
add_dependencies(reliability_tests tackpin-validate tackpin-host)

# The validator's answers where it cannot validate: a module that does not
# load (once, with the loader's reason, before any scenario) and a level
# that does not exist; and its count of a single refused call.
function(tackpin_validator_answer name module status pattern)
  cmake_parse_arguments(ARG "" "ABSENT" "ARGS" ${ARGN})
  string(REPLACE ";" "|" arguments "${ARG_ARGS}")
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} "-DVALIDATOR=$<TARGET_FILE:tackpin-validate>" -DMODULE=${module}
            "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -DSTATUS=${status} "-DPATTERN=${pattern}"
            "-DARGS=${arguments}" "-DABSENT=${ARG_ABSENT}"
            -P ${PROJECT_SOURCE_DIR}/tests/check_validator.cmake)
endfunction()
tackpin_validator_answer(validate_missing_module ${CMAKE_BINARY_DIR}/nowhere/Tackpin${CMAKE_SHARED_MODULE_SUFFIX} 2
  "^validate: cannot load [^ ]*nowhere.Tackpin[.a-z]*: [^ ]" ABSENT "----|passed")
tackpin_validator_answer(validate_unknown_level $<TARGET_FILE:Tackpin> 2
  "^validate: there is no level 7; the levels are 1 \\(quick\\), 2 .* and 3 " ARGS --level 7)
# Plug-ins that are not Tackpin: what the validator could not exercise in
# them is NOT APPLICABLE with the reason, never PASS.
tackpin_validator_answer(validate_panelless $<TARGET_FILE:panelless_plugin> 0
  "PASS +start and exit.*not applicable: the module registers no panel NOT APPLICABLE +user session.*\
not applicable: the module registers no widget event handler NOT APPLICABLE +foreign closures.*\
not applicable: no question or dialog was opened in 8 runs NOT APPLICABLE +nested exit.*\
NOT APPLICABLE +deep nesting.*PASS +load cycles.*PASS +random sessions.*\
validate: 3 passed, 0 failed, 8 not applicable" ABSENT "PASS +(user session|foreign closures|nested)")
tackpin_validator_answer(validate_panelless_fault_point $<TARGET_FILE:panelless_plugin> 4
  "^  not applicable: the plug-in never called the host at this fault point"
  ARGS --scenario "faults: widget creation" --level 2 --seed 1)
tackpin_validator_answer(validate_other_panel $<TARGET_FILE:other_panel_plugin> 0
  "has none of Tackpin's controls.*NOT APPLICABLE +user session.*[1-9][0-9]* handlers PASS +foreign closures.*\
no question or dialog was opened in 8 runs NOT APPLICABLE +nested exit.*\
[1-9][0-9]* actions on the module's own controls PASS +random sessions.*validate: 4 passed, 0 failed, 7 not applicable")
tackpin_validator_answer(validate_asking $<TARGET_FILE:asking_plugin> 0
  "8 runs, 6 with a question or dialog open PASS +nested exit.*PASS +nested load-document.*PASS +deep nesting.*\
validate: 10 passed, 0 failed, 1 not applicable")
tackpin_validator_answer(validate_document_crash $<TARGET_FILE:document_crash_plugin> 1
  "PASS +start and exit.*FAIL +user session \\(crashed: .*NOT APPLICABLE +nested load-document.*FAIL +random sessions \\(crashed: ")
tackpin_validator_answer(validate_help $<TARGET_FILE:Tackpin> 0
  "^usage: .*PASS, FAIL, or NOT APPLICABLE" ARGS --help ABSENT "----")
tackpin_validator_answer(validate_one_call_refused $<TARGET_FILE:Tackpin> 0 "^  1 call refused $"
  ARGS --scenario "faults: main window lookup" --level 2 --seed 1)

# The README and the build name only folders that exist.
add_test(NAME layout
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/tests/check_layout.cmake)

# The README's commands work after the main job and show their progress.
add_test(NAME readme_commands
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DTOOL=$<TARGET_FILE:tackpin-host>
          "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -P ${PROJECT_SOURCE_DIR}/tests/check_readme.cmake)

# The Wine prefix is made again after a failed try (a stand-in for Wine).
if(NOT WIN32)
  add_test(NAME wine_prefix_retry
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DWORK=${CMAKE_BINARY_DIR}/wine-prefix-retry
            -P ${PROJECT_SOURCE_DIR}/tests/check_wine_prefix_retry.cmake)
endif()

include(cmake/session_tests.cmake)

# tackpin-serve (Linux only, as the program): its parts, the host loop with
# the module loaded, and the program over HTTP.
if(NOT WIN32)
  file(GLOB SERVE_TEST_SOURCES CONFIGURE_DEPENDS tests/serve/*.cpp)
  tackpin_test(serve_tests SOURCES ${SERVE_TEST_SOURCES} LIBS tackpin_serve_parts)
  target_compile_definitions(serve_tests PRIVATE TACKPIN_SOURCE="${PROJECT_SOURCE_DIR}"
    TACKPIN_HOST="$<TARGET_FILE:tackpin-host>" TACKPIN_SERVE="$<TARGET_FILE:tackpin-serve>")
  add_dependencies(serve_tests tackpin-host tackpin-serve)
endif()

# The page of tackpin-serve in a real browser (Linux leg only).
include(cmake/browser_tests.cmake)
