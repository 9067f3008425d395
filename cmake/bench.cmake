# Benchmarks (Google Benchmark), native only. They run against the lean host:
# a shared library that answers the host functions from flat arrays, as a
# production host does, so that each floor costs what it would in the host.
find_package(benchmark REQUIRED)
file(GLOB LEAN_HOST_SOURCES CONFIGURE_DEPENDS bench/lean_host/*.cpp)
add_library(lean_host SHARED ${LEAN_HOST_SOURCES} $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(lean_host PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(lean_host PUBLIC tackpin_platform)
set_target_properties(lean_host PROPERTIES PREFIX "")
# Calls inside the host go straight to their target, as in a host built
# without a shared-library boundary of its own.
target_compile_options(lean_host PRIVATE -fno-semantic-interposition)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
list(FILTER BENCH_SOURCES EXCLUDE REGEX "_test\\.cpp$")
add_executable(tackpin_bench ${BENCH_SOURCES})
target_link_libraries(tackpin_bench PRIVATE tackpin_core tackpin_platform lean_host benchmark::benchmark)
# The instruction counts' client requests (tools/bench.sh runs the benchmarks
# under callgrind); outside valgrind they do nothing.
find_path(VALGRIND_INCLUDE_DIR valgrind/callgrind.h REQUIRED)
target_include_directories(tackpin_bench PRIVATE ${VALGRIND_INCLUDE_DIR})

# The paired runner's statistics and the reading of callgrind's dumps
# (bench/*_test.cpp); built with the benchmarks, outside the tests' presets.
if(TACKPIN_TESTS)
  find_package(GTest REQUIRED)
  add_executable(bench_tests bench/paired_ratio_test.cpp bench/paired_ratio.cpp
                             bench/ratio_table.cpp bench/isolated_round.cpp)
  target_include_directories(bench_tests PRIVATE ${PROJECT_SOURCE_DIR} ${VALGRIND_INCLUDE_DIR})
  target_compile_definitions(bench_tests PRIVATE TACKPIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_link_libraries(bench_tests PRIVATE GTest::gtest GTest::gtest_main)
  add_test(NAME bench_tests COMMAND bench_tests)
endif()
