# The plug-in: one object library shared by the module and the unit tests.

# The thin layer that differs between Windows and Linux.
if(WIN32)
  set(TACKPIN_PLATFORM_SOURCES platform/platform_windows.cpp platform/utf8.cpp)
else()
  set(TACKPIN_PLATFORM_SOURCES platform/platform_posix.cpp platform/utf8.cpp)
endif()
add_library(tackpin_platform OBJECT ${TACKPIN_PLATFORM_SOURCES})
target_include_directories(tackpin_platform PUBLIC ${PROJECT_SOURCE_DIR})
if(NOT WIN32)
  target_link_libraries(tackpin_platform PUBLIC ${CMAKE_DL_LIBS})
else()
  target_link_libraries(tackpin_platform PUBLIC user32)
endif()

file(GLOB TACKPIN_SOURCES CONFIGURE_DEPENDS
  host/*.cpp widgets/*.cpp cmq/*.cpp marker/*.cpp window/*.cpp)
add_library(tackpin_core OBJECT ${TACKPIN_SOURCES})
target_include_directories(tackpin_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tackpin_core PUBLIC tackpin_platform)
set_target_properties(tackpin_core tackpin_platform PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

add_library(Tackpin MODULE
  $<TARGET_OBJECTS:tackpin_core> $<TARGET_OBJECTS:tackpin_platform>)
set_target_properties(Tackpin PROPERTIES PREFIX "" OUTPUT_NAME Tackpin)
target_link_libraries(Tackpin PRIVATE tackpin_platform)
if(WIN32)
  # The version resource, with the project's version filled in.
  configure_file(platform/tackpin.rc.in ${CMAKE_BINARY_DIR}/generated/tackpin.rc @ONLY)
  target_sources(Tackpin PRIVATE ${CMAKE_BINARY_DIR}/generated/tackpin.rc)
  # The DLL that is tested and shipped carries no debug sections and no
  # symbol table; they go to Tackpin.dll.debug beside it, kept for reading
  # crash reports, and the DLL names that file.
  add_custom_command(TARGET Tackpin POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:Tackpin> $<TARGET_FILE:Tackpin>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all
            --add-gnu-debuglink=$<TARGET_FILE:Tackpin>.debug $<TARGET_FILE:Tackpin>
    VERBATIM)
else()
  # Exactly the fourteen entry points leave the module, and nothing is
  # left for the host's loader to resolve.
  target_link_options(Tackpin PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/platform/exports.map
    -Wl,--no-undefined)
  set_property(TARGET Tackpin APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/platform/exports.map)
endif()
