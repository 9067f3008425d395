# The programs in apps/: tackpin-host, the command-line host that runs the
# plug-in in the simulated host (the main job), and the validator with the
# validation harness that the tests and the fuzzers share.

# The validation harness (validation_harness/): the fault sweep, the load
# cycles and the random sessions over the simulated host, shared by the
# validator, the tests and the fuzzers; and the process tools only these
# need.
if(WIN32)
  set(TACKPIN_PROCESS_SOURCES
    platform/tools/process_memory_windows.cpp platform/tools/child_process_windows.cpp)
else()
  set(TACKPIN_PROCESS_SOURCES
    platform/tools/process_memory_posix.cpp platform/tools/child_process_posix.cpp)
endif()
file(GLOB VALIDATION_HARNESS_SOURCES CONFIGURE_DEPENDS validation_harness/*.cpp)
add_library(validation_harness STATIC ${VALIDATION_HARNESS_SOURCES} ${TACKPIN_PROCESS_SOURCES}
            $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(validation_harness PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(validation_harness PUBLIC simhost)

# The validator (apps/tackpin_validate/): runs the harness's scenarios
# against any module, each in a fresh process of its own; on its own as
# tackpin-validate, and as "tackpin-host validate".
add_library(tackpin_validator STATIC
  apps/tackpin_validate/validator.cpp apps/tackpin_validate/scenarios.cpp)
target_link_libraries(tackpin_validator PUBLIC validation_harness)
add_executable(tackpin-validate apps/tackpin_validate/main.cpp)
target_link_libraries(tackpin-validate PRIVATE tackpin_validator)
add_dependencies(tackpin-validate Tackpin)

# The session engine (session_engine/): the session language and the
# simulated host it drives, by the groups of its folder. tackpin-host runs
# it from a script or the prompt, tackpin-serve from a web page.
#
# Debian has cairo and libedit only for Linux: the Windows build leaves out
# pictures and line editing and says so when a session asks for them, and
# writes the settings file as XML text of its own (no pugixml for MinGW).
# OBJ files are read by the host's own reader on both.
set(SESSION_ENGINE_SOURCES
  session/arguments.cpp session/script_words.cpp session/session.cpp session/session_runner.cpp
  session/prompt_user.cpp session/nearest_word.cpp
  commands/commands_host.cpp commands/commands_mesh.cpp commands/commands_panel.cpp
  commands/commands_pictures.cpp commands/commands_report.cpp
  panel/marker_probe.cpp panel/panel_user.cpp panel/panel_widgets.cpp
  pictures/view_camera.cpp
  obj_import/obj_import.cpp
  settings/file_replace.cpp settings/settings_folder.cpp)
list(TRANSFORM SESSION_ENGINE_SOURCES PREPEND session_engine/)
add_library(session_engine STATIC ${SESSION_ENGINE_SOURCES} $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(session_engine PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(session_engine PUBLIC simhost)
if(WIN32)
  target_sources(session_engine PRIVATE
    platform/tools/text_output_windows.cpp
    platform/tools/crash_note.cpp platform/tools/crash_note_windows.cpp
    session_engine/pictures/pictures_none.cpp
    session_engine/line_input/line_input_plain.cpp
    session_engine/settings/settings_store_text.cpp
    session_engine/settings/settings_xml_text.cpp)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  pkg_check_modules(LIBEDIT REQUIRED IMPORTED_TARGET libedit)
  target_sources(session_engine PRIVATE
    platform/tools/text_output_posix.cpp
    platform/tools/crash_note.cpp platform/tools/crash_note_posix.cpp
    session_engine/pictures/cairo_text.cpp
    session_engine/pictures/render_view_cairo.cpp
    session_engine/pictures/render_panel_cairo.cpp
    session_engine/line_input/line_input_edit.cpp
    session_engine/settings/settings_store_xml.cpp)
  target_link_libraries(session_engine PUBLIC PkgConfig::CAIRO PkgConfig::LIBEDIT)
endif()

# tackpin-host (apps/tackpin_host/): the session engine at a prompt or
# from a script, and the validator as its command "validate". CLI11 is used
# from its headers on Windows.
add_executable(tackpin-host apps/tackpin_host/main.cpp)
target_link_libraries(tackpin-host PRIVATE session_engine tackpin_validator)
add_dependencies(tackpin-host Tackpin)
if(WIN32)
  # Header-only libraries of the build machine, staged apart so that no other
  # system header reaches the cross compiler.
  set(staged ${CMAKE_BINARY_DIR}/staged-headers)
  file(COPY /usr/include/CLI DESTINATION ${staged})
  target_include_directories(tackpin-host SYSTEM PRIVATE ${staged})
else()
  find_package(CLI11 REQUIRED)
  target_link_libraries(tackpin-host PRIVATE CLI11::CLI11)
  if(TACKPIN_SANITIZE)
    target_sources(tackpin-host PRIVATE apps/tackpin_host/leak_suppressions.cpp)
  endif()
endif()

# tackpin-serve (apps/tackpin_serve/): the session engine behind a web page
# on 127.0.0.1. Linux only: Debian's cpp-httplib is a compiled library of
# the build machine, with no MinGW build to link into a Windows program.
if(NOT WIN32)
  pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  find_package(nlohmann_json REQUIRED)
  add_library(tackpin_serve_parts STATIC
    apps/tackpin_serve/action_translation.cpp apps/tackpin_serve/console_log.cpp
    apps/tackpin_serve/host_loop.cpp apps/tackpin_serve/http_routes.cpp
    apps/tackpin_serve/job_queue.cpp apps/tackpin_serve/mesh_binary.cpp
    apps/tackpin_serve/page_files.cpp apps/tackpin_serve/request_guard.cpp
    apps/tackpin_serve/session_record.cpp apps/tackpin_serve/state_json.cpp)
  target_link_libraries(tackpin_serve_parts PUBLIC session_engine PkgConfig::HTTPLIB
                        nlohmann_json::nlohmann_json)
  add_executable(tackpin-serve apps/tackpin_serve/main.cpp)
  target_link_libraries(tackpin-serve PRIVATE tackpin_serve_parts CLI11::CLI11)
  if(TACKPIN_SANITIZE)
    target_sources(tackpin-serve PRIVATE apps/tackpin_host/leak_suppressions.cpp)
  endif()
  add_dependencies(tackpin-serve Tackpin tackpin_page)

  # The page beside the program (bin/page/), with the three.js files it
  # imports in vendor/; the page's own folder may not exist yet.
  file(GLOB_RECURSE TACKPIN_PAGE_SOURCES CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/apps/tackpin_serve/page/*)
  set(page_out ${CMAKE_BINARY_DIR}/bin/page)
  set(page_outputs)
  foreach(source IN LISTS TACKPIN_PAGE_SOURCES)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/apps/tackpin_serve/page ${source})
    add_custom_command(OUTPUT ${page_out}/${relative}
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${page_out}/${relative}
      DEPENDS ${source} VERBATIM)
    list(APPEND page_outputs ${page_out}/${relative})
  endforeach()
  set(three ${PROJECT_SOURCE_DIR}/node_modules/three)
  foreach(vendored build/three.module.js build/three.core.js examples/jsm/controls/OrbitControls.js)
    get_filename_component(name ${vendored} NAME)
    if(EXISTS ${three}/${vendored})
      add_custom_command(OUTPUT ${page_out}/vendor/${name}
        COMMAND ${CMAKE_COMMAND} -E copy ${three}/${vendored} ${page_out}/vendor/${name}
        DEPENDS ${three}/${vendored} VERBATIM)
      list(APPEND page_outputs ${page_out}/vendor/${name})
    else()
      message(WARNING "${three}/${vendored} is missing: run tools/install-deps.sh (npm ci)")
    endif()
  endforeach()
  add_custom_target(tackpin_page ALL DEPENDS ${page_outputs})
endif()
