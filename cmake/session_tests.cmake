# Session scripts as tests: tackpin-host runs them and its exit status,
# messages and (for the demo) transcript are checked. Natively every script
# runs; under Wine the demo, whose transcript must equal the native one.

# The tool's own parts that need no host: the script language, the settings
# text, the camera.
tackpin_test(host_tool_tests SOURCES
  tests/host_tool/script_language_test.cpp tests/host_tool/settings_text_test.cpp
  tests/host_tool/view_camera_test.cpp
  examples/tackpin_host/arguments.cpp examples/tackpin_host/script_words.cpp
  examples/tackpin_host/settings_xml_text.cpp examples/tackpin_host/view_camera.cpp)

# A module that breaches the host contract when it starts.
add_library(careless_plugin MODULE tests/fixtures/careless_plugin.cpp $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(careless_plugin PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(careless_plugin PRIVATE tackpin_platform)
set_target_properties(careless_plugin PROPERTIES PREFIX "")
add_dependencies(tackpin-host careless_plugin)

# tackpin_session(NAME SCRIPTS s1 [s2 ...] [OPTIONS ...] [INPUT file] [SETTINGS file]
#                 [STATUS n] [MESSAGE regex] [TRANSCRIPT file])
function(tackpin_session name)
  cmake_parse_arguments(ARG "" "STATUS;MESSAGE;TRANSCRIPT;INPUT;SETTINGS" "SCRIPTS;OPTIONS" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/tests/sessions)
  list(TRANSFORM ARG_SCRIPTS REPLACE "^([^/].*\\.tps)$" "${dir}/\\1")
  string(REPLACE ";" "|" scripts "${ARG_SCRIPTS}")
  string(REPLACE ";" "|" options "${ARG_OPTIONS}")
  string(REPLACE ";" "|" emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
  set(defines -DTOOL=$<TARGET_FILE:tackpin-host> "-DEMULATOR=${emulator}" "-DSCRIPTS=${scripts}"
      "-DOPTIONS=${options}" -DWORK=${CMAKE_BINARY_DIR}/sessions/${name})
  foreach(key STATUS MESSAGE TRANSCRIPT INPUT SETTINGS)
    if(DEFINED ARG_${key})
      list(APPEND defines "-D${key}=${ARG_${key}}")
    endif()
  endforeach()
  if(TACKPIN_SANITIZE)
    list(APPEND defines -DSUPPRESSIONS=${dir}/lsan.supp)
  endif()
  add_test(NAME session_${name} COMMAND ${CMAKE_COMMAND} ${defines} -P ${dir}/run_session.cmake)
endfunction()

set(sessions ${PROJECT_SOURCE_DIR}/tests/sessions)
if(WIN32)
  tackpin_session(demo SCRIPTS ${PROJECT_SOURCE_DIR}/examples/demo.tps
    TRANSCRIPT ${sessions}/demo.transcript MESSAGE "this build draws no pictures")
  return()
endif()

tackpin_session(demo SCRIPTS ${PROJECT_SOURCE_DIR}/examples/demo.tps TRANSCRIPT ${sessions}/demo.transcript
  MESSAGE "wrote demo-view.png")
tackpin_session(host_events SCRIPTS host_events.tps)
tackpin_session(mesh_editing SCRIPTS mesh_editing.tps)
tackpin_session(view_pictures SCRIPTS view_pictures.tps MESSAGE "wrote torus-top.png")

# Failures: each stops with its message and a non-zero status.
tackpin_session(unknown_command SCRIPTS unknown_command.tps STATUS 1
  MESSAGE "unknown_command.tps:4: unknown command \"sellect\"")
tackpin_session(bad_argument SCRIPTS bad_argument.tps STATUS 1
  MESSAGE "bad_argument.tps:3: select: \"two\" is not an index")
tackpin_session(unclosed_quote SCRIPTS unclosed_quote.tps STATUS 1
  MESSAGE "unclosed_quote.tps:2: a quoted word is not closed")
tackpin_session(expect_differs SCRIPTS expect_differs.tps STATUS 1
  MESSAGE "expect_differs.tps:3: expected objects = board, but it is grid")
tackpin_session(malformed_obj SCRIPTS malformed_obj.tps STATUS 1
  MESSAGE "malformed_obj.tps:2: OBJ file .*broken.obj is malformed")
tackpin_session(missing_obj SCRIPTS missing_obj.tps STATUS 1
  MESSAGE "missing_obj.tps:2: no OBJ file .*nowhere.obj")
tackpin_session(missing_script SCRIPTS ${sessions}/no_such_script.tps STATUS 1
  MESSAGE "cannot read the script .*no_such_script.tps")
tackpin_session(missing_module SCRIPTS host_events.tps OPTIONS --module ${CMAKE_BINARY_DIR}/nowhere/Tackpin.so
  STATUS 1 MESSAGE "host_events.tps: no plug-in module at .*nowhere/Tackpin.so")
tackpin_session(contract_breach SCRIPTS contract_breach.tps OPTIONS --module $<TARGET_FILE:careless_plugin>
  STATUS 2 MESSAGE "contract_breach.tps:2: the plug-in breached the host contract:\n  MQ_RefreshView: options are not null")
tackpin_session(malformed_settings SCRIPTS host_events.tps SETTINGS ${sessions}/data/broken-settings.xml
  STATUS 1 MESSAGE "host_events.tps: settings file .*settings.xml is not a readable settings document")
tackpin_session(prompt_goes_on SCRIPTS prompt INPUT ${sessions}/prompt_input.txt
  MESSAGE "unknown command \"bogus\"")
tackpin_session(store_and_recall SCRIPTS store_and_recall.tps)
tackpin_session(nested_events SCRIPTS nested_events.tps)
tackpin_session(panel_options SCRIPTS panel_options.tps)
tackpin_session(settings_between_runs SCRIPTS settings_first_run.tps settings_second_run.tps)
tackpin_session(drawing SCRIPTS drawing.tps MESSAGE "wrote overlay.png")
tackpin_session(hand_edited_settings SCRIPTS hand_edited_settings.tps SETTINGS ${sessions}/data/hand-edited-settings.xml)
tackpin_session(geometry_edits SCRIPTS geometry_edits.tps)
tackpin_session(quiet_prints SCRIPTS quiet_prints.tps OPTIONS --quiet TRANSCRIPT ${sessions}/quiet_prints.transcript)
