# The validation harness: the fault sweep, the load cycles and the random
# sessions over the simulated host, shared by the tests, the fuzzers and the
# validator; and the process tools only these need.
if(WIN32)
  set(TACKPIN_PROCESS_SOURCES platform/process_memory_windows.cpp platform/child_process_windows.cpp)
else()
  set(TACKPIN_PROCESS_SOURCES platform/process_memory_posix.cpp platform/child_process_posix.cpp)
endif()
file(GLOB VALIDATION_SOURCES CONFIGURE_DEPENDS validation/*.cpp)
add_library(tackpin_validation STATIC ${VALIDATION_SOURCES} ${TACKPIN_PROCESS_SOURCES}
            $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(tackpin_validation PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tackpin_validation PUBLIC simhost)
