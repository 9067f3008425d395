# Fuzzers (libFuzzer, clang only): the plug-in's code linked in and driven
# through the simulated host. Each runs as a test for a bounded time over
# its seed corpus from the repository; what it finds new goes to a work
# folder, never into the repository.
set(TACKPIN_FUZZ_SECONDS 10 CACHE STRING "Seconds each fuzzer runs as a test")
set(TACKPIN_FUZZERS event_lists_fuzzer widget_lists_fuzzer settings_texts_fuzzer session_fuzzer obj_files_fuzzer)
add_library(fuzz_support STATIC tests/fuzz/linked_plugin.cpp tests/fuzz/fuzz_lists.cpp)
target_link_libraries(fuzz_support PUBLIC tackpin_core validation_harness)
# OBJ files are read by tackpin-host's own reader.
add_library(fuzz_obj_reader STATIC session_engine/obj_import/obj_import.cpp)
target_include_directories(fuzz_obj_reader PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(fuzz_obj_reader PUBLIC simhost)
add_custom_target(fuzzers)
foreach(fuzzer IN LISTS TACKPIN_FUZZERS)
  add_executable(${fuzzer} tests/fuzz/${fuzzer}.cpp)
  target_link_libraries(${fuzzer} PRIVATE fuzz_support fuzz_obj_reader)
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${fuzzer})
  set(work ${CMAKE_BINARY_DIR}/fuzz-work/${fuzzer})
  list(APPEND TACKPIN_FUZZ_WORK_FOLDERS ${work})
  add_test(NAME ${fuzzer}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${fuzzer}> -max_total_time=${TACKPIN_FUZZ_SECONDS} -seed=1
            -print_final_stats=1 -timeout=10 -rss_limit_mb=4096 -artifact_prefix=${work}-
            ${work} ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${fuzzer})
  set_tests_properties(${fuzzer} PROPERTIES FIXTURES_REQUIRED fuzz_work)
endforeach()
add_test(NAME fuzz_work_folders
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TACKPIN_FUZZ_WORK_FOLDERS})
set_tests_properties(fuzz_work_folders PROPERTIES FIXTURES_SETUP fuzz_work)
