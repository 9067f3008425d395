# The command-line host that runs the plug-in in the simulated host.
#
# Debian has cairo and libedit only for Linux: the Windows build leaves out
# pictures and line editing and says so when a session asks for them, and
# writes the settings file as XML text of its own (no pugixml for MinGW).
# CLI11 is used from its headers there. OBJ files are read by the host's own
# reader on both.
set(TACKPIN_HOST_SOURCES
  arguments.cpp commands_host.cpp commands_mesh.cpp commands_panel.cpp commands_pictures.cpp
  commands_report.cpp file_replace.cpp main.cpp marker_probe.cpp obj_import.cpp panel_user.cpp panel_widgets.cpp
  script_words.cpp session.cpp session_runner.cpp view_camera.cpp)
list(TRANSFORM TACKPIN_HOST_SOURCES PREPEND examples/tackpin_host/)
add_executable(tackpin-host ${TACKPIN_HOST_SOURCES})
target_link_libraries(tackpin-host PRIVATE simhost)
add_dependencies(tackpin-host Tackpin)

if(WIN32)
  # Header-only libraries of the build machine, staged apart so that no other
  # system header reaches the cross compiler.
  set(staged ${CMAKE_BINARY_DIR}/staged-headers)
  file(COPY /usr/include/CLI DESTINATION ${staged})
  target_include_directories(tackpin-host SYSTEM PRIVATE ${staged})
  target_sources(tackpin-host PRIVATE
    platform/text_output_windows.cpp
    examples/tackpin_host/pictures_none.cpp
    examples/tackpin_host/line_input_plain.cpp
    examples/tackpin_host/settings_store_text.cpp
    examples/tackpin_host/settings_xml_text.cpp)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  pkg_check_modules(LIBEDIT REQUIRED IMPORTED_TARGET libedit)
  find_package(CLI11 REQUIRED)
  target_sources(tackpin-host PRIVATE
    platform/text_output_posix.cpp
    examples/tackpin_host/cairo_text.cpp
    examples/tackpin_host/render_view_cairo.cpp
    examples/tackpin_host/render_panel_cairo.cpp
    examples/tackpin_host/line_input_edit.cpp
    examples/tackpin_host/settings_store_xml.cpp)
  target_link_libraries(tackpin-host PRIVATE PkgConfig::CAIRO PkgConfig::LIBEDIT CLI11::CLI11)
  if(TACKPIN_SANITIZE)
    target_sources(tackpin-host PRIVATE examples/tackpin_host/leak_suppressions.cpp)
  endif()
endif()

# The validator: runs the validation suites against any module, each
# scenario in a fresh process of its own; on its own as tackpin-validate,
# and as "tackpin-host validate".
add_library(tackpin_validator STATIC examples/validate/validator.cpp examples/validate/scenarios.cpp)
target_link_libraries(tackpin_validator PUBLIC tackpin_validation)
add_executable(tackpin-validate examples/validate/tackpin_validate.cpp)
target_link_libraries(tackpin-validate PRIVATE tackpin_validator)
add_dependencies(tackpin-validate Tackpin)
target_link_libraries(tackpin-host PRIVATE tackpin_validator)
