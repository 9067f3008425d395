# The simulated host: a shared library that exports the host's functions and
# offers tests a C++ API over its model, one folder per subsystem of the host.
file(GLOB SIMHOST_SOURCES CONFIGURE_DEPENDS
  simhost/*.cpp simhost/documents/*.cpp simhost/selection/*.cpp simhost/drawing/*.cpp
  simhost/settings/*.cpp simhost/widgets/*.cpp simhost/exports/*.cpp simhost/contract/*.cpp
  simhost/faults/*.cpp)
# The loader's reasons for a module it refused, for the host's messages.
if(WIN32)
  list(APPEND SIMHOST_SOURCES platform/tools/load_error_windows.cpp)
else()
  list(APPEND SIMHOST_SOURCES platform/tools/load_error_posix.cpp)
endif()
add_library(simhost SHARED ${SIMHOST_SOURCES} $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(simhost PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(simhost PUBLIC tackpin_platform)
set_target_properties(simhost PROPERTIES PREFIX "")
if(WIN32)
  # Tests use the model's C++ API directly across the DLL boundary.
  target_link_options(simhost PRIVATE -Wl,--export-all-symbols -Wl,--exclude-libs,ALL)
else()
  find_package(pugixml QUIET)
endif()
# The settings document is kept in an XML file where pugixml is at hand, in
# memory elsewhere (Debian has no pugixml for MinGW).
if(pugixml_FOUND)
  target_sources(simhost PRIVATE simhost/settings/settings_file/xml_file.cpp)
  target_link_libraries(simhost PRIVATE pugixml::pugixml)
else()
  target_sources(simhost PRIVATE simhost/settings/settings_file/memory_file.cpp)
endif()
