# Benchmarks (Google Benchmark), native only.
find_package(benchmark REQUIRED)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(BENCH_SOURCES)
  add_executable(tackpin_bench ${BENCH_SOURCES})
  target_link_libraries(tackpin_bench PRIVATE tackpin_core tackpin_platform simhost benchmark::benchmark)
  add_dependencies(tackpin_bench Tackpin)
endif()
