# The simulated host: a shared library that exports the host's functions and
# offers tests a C++ API over its model.
file(GLOB SIMHOST_SOURCES CONFIGURE_DEPENDS simhost/*.cpp)
add_library(simhost SHARED ${SIMHOST_SOURCES} $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(simhost PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(simhost PUBLIC tackpin_platform)
set_target_properties(simhost PROPERTIES PREFIX "")
if(WIN32)
  # Tests use the model's C++ API directly across the DLL boundary.
  target_link_options(simhost PRIVATE -Wl,--export-all-symbols -Wl,--exclude-libs,ALL)
else()
  find_package(pugixml QUIET)
  if(pugixml_FOUND)
    target_link_libraries(simhost PRIVATE pugixml::pugixml)
    target_compile_definitions(simhost PRIVATE SIMHOST_SETTINGS_FILE=1)
  endif()
endif()
