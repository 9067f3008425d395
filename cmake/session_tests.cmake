# Session scripts as tests: tackpin-host runs them and its exit status,
# messages, output and (for some) transcript are checked. They run on both
# legs, under Wine too, except where the Windows build lacks what a script
# needs (a terminal for the prompt's line editing): the Windows build draws
# no pictures, so where a native run says it wrote one, the Windows run must
# say it did not, and its transcripts are otherwise the native ones, byte
# for byte.

# The tool's own parts that need no host: the script language, the settings
# text, the camera, the OBJ reader.
tackpin_test(host_tool_tests SOURCES
  tests/host_tool/script_language_test.cpp tests/host_tool/settings_text_test.cpp
  tests/host_tool/view_camera_test.cpp tests/host_tool/obj_import_test.cpp
  session_engine/session/arguments.cpp session_engine/session/script_words.cpp
  session_engine/session/nearest_word.cpp
  session_engine/settings/settings_xml_text.cpp session_engine/pictures/view_camera.cpp
  session_engine/obj_import/obj_import.cpp $<TARGET_OBJECTS:tackpin_platform>)

# A module that breaches the host contract when it starts.
add_library(careless_plugin MODULE tests/fixtures/careless_plugin.cpp $<TARGET_OBJECTS:tackpin_platform>)
target_include_directories(careless_plugin PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(careless_plugin PRIVATE tackpin_platform)
set_target_properties(careless_plugin PROPERTIES PREFIX "")
add_dependencies(tackpin-host careless_plugin)

# tackpin_session(NAME SCRIPTS s1 [s2 ...] [OPTIONS ...] [INPUT file] [SETTINGS file]
#                 [STATUS n] [MESSAGE regex] [OUTPUT regex] [TRANSCRIPT file] [TERMINAL])
function(tackpin_session name)
  cmake_parse_arguments(ARG "TERMINAL" "STATUS;MESSAGE;OUTPUT;TRANSCRIPT;INPUT;SETTINGS" "SCRIPTS;OPTIONS" ${ARGN})
  set(dir ${PROJECT_SOURCE_DIR}/tests/sessions)
  list(TRANSFORM ARG_SCRIPTS REPLACE "^([^/].*\\.tps)$" "${dir}/\\1")
  string(REPLACE ";" "|" scripts "${ARG_SCRIPTS}")
  string(REPLACE ";" "|" options "${ARG_OPTIONS}")
  string(REPLACE ";" "|" emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")
  set(defines -DTOOL=$<TARGET_FILE:tackpin-host> "-DEMULATOR=${emulator}" "-DSCRIPTS=${scripts}"
      "-DOPTIONS=${options}" -DWORK=${CMAKE_BINARY_DIR}/sessions/${name} -DTERMINAL=${ARG_TERMINAL})
  foreach(key STATUS MESSAGE OUTPUT TRANSCRIPT INPUT SETTINGS)
    if(DEFINED ARG_${key})
      list(APPEND defines "-D${key}=${ARG_${key}}")
    endif()
  endforeach()
  if(WIN32)
    list(APPEND defines -DNO_PICTURES=ON)
  endif()
  add_test(NAME session_${name} COMMAND ${CMAKE_COMMAND} ${defines} -P ${dir}/run_session.cmake)
endfunction()

# What a run says of a picture: written natively, not written on Windows.
function(picture_line variable file)
  if(WIN32)
    set(${variable} "  ${file} not written: this build draws no pictures" PARENT_SCOPE)
  else()
    set(${variable} "  wrote ${file}: " PARENT_SCOPE)
  endif()
endfunction()

set(sessions ${PROJECT_SOURCE_DIR}/tests/sessions)
picture_line(demo_view demo-view.png)
tackpin_session(demo SCRIPTS ${PROJECT_SOURCE_DIR}/examples/demo.tps TRANSCRIPT ${sessions}/demo.transcript
  OUTPUT "${demo_view}")
# Every other session of examples/, one a user may copy, runs as it stands,
# so that the examples stay true.
file(GLOB example_scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.tps)
list(REMOVE_ITEM example_scripts ${PROJECT_SOURCE_DIR}/examples/demo.tps)
foreach(script IN LISTS example_scripts)
  get_filename_component(example ${script} NAME_WE)
  tackpin_session(example_${example} SCRIPTS ${script})
endforeach()
tackpin_session(host_events SCRIPTS host_events.tps)
tackpin_session(mesh_editing SCRIPTS mesh_editing.tps)
tackpin_session(select_all_deselect SCRIPTS select_all_deselect.tps)
tackpin_session(deselect_unknown_line SCRIPTS deselect_unknown_line.tps STATUS 1
  MESSAGE "deselect_unknown_line.tps:3: \"plate\" has no line 0:4")
picture_line(torus_top torus-top.png)
picture_line(torus_fitted torus-fitted.png)
tackpin_session(view_pictures SCRIPTS view_pictures.tps OUTPUT "${torus_top}.*${torus_fitted}")

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
  MESSAGE "malformed_obj.tps:2: OBJ file .*broken.obj:7: the face names vertex 9, but the file has 3 vertices")
tackpin_session(missing_obj SCRIPTS missing_obj.tps STATUS 1
  MESSAGE "missing_obj.tps:2: no OBJ file .*nowhere.obj")
tackpin_session(missing_script SCRIPTS ${sessions}/no_such_script.tps STATUS 1
  MESSAGE "cannot read the script .*no_such_script.tps")
tackpin_session(missing_module SCRIPTS host_events.tps
  OPTIONS --module ${CMAKE_BINARY_DIR}/nowhere/Tackpin${CMAKE_SHARED_MODULE_SUFFIX}
  STATUS 1 MESSAGE "host_events.tps: no plug-in module at .*nowhere/Tackpin${CMAKE_SHARED_MODULE_SUFFIX}")
# A plug-in that crashes: whatever status the crash leaves (a signal, a
# sanitizer's exit, an unhandled exception under Wine), the transcript up to
# the crashing line is out, and the note names the line. (Under Wine the
# system's crash report follows on the same output.)
tackpin_session(plugin_crash SCRIPTS plugin_crash.tps OPTIONS --module $<TARGET_FILE:crashing_plugin>
  STATUS crashed OUTPUT "> start\n.*> draw\n"
  MESSAGE "tackpin-host: [^\n]*plugin_crash.tps:5: crashed while carrying out \"draw\"")
add_dependencies(tackpin-host crashing_plugin)
tackpin_session(spin_range SCRIPTS spin_range.tps
  OUTPUT "spin box set to 100 \\(1e\\+300 typed; the box's range ends there\\)")
if(NOT WIN32)
  # The Windows build draws no pictures.
  tackpin_session(render_progress SCRIPTS render_progress.tps
    MESSAGE "tackpin-host: render: painting 22500 faces")
endif()
tackpin_session(answer_dropped SCRIPTS answer_dropped.tps
  OUTPUT "1 answer was given for a question this action did not ask: dropped.*asked \"Overwrite\\?\" in \"Marker\": no answer")
tackpin_session(render_not_png SCRIPTS render_refusals.tps STATUS 1
  MESSAGE "render_refusals.tps:2: render: \"view.jpg\" does not end in .png; pictures are written as PNG files")
tackpin_session(render_missing_folder SCRIPTS render_missing_folder.tps STATUS 1
  MESSAGE "render_missing_folder.tps:2: cannot write nowhere/view.png: there is no folder nowhere")
tackpin_session(mistyped_command SCRIPTS mistyped_command.tps STATUS 1
  MESSAGE "mistyped_command.tps:3: unknown command \"drwa\"; did you mean \"draw\"\\? \\(\"help\" lists them\\)")
tackpin_session(help_command SCRIPTS help_command.tps
  OUTPUT "> help render\n  render FILE.png\n      picture the 3D view[^\n]*\n> help drawing\n  value for print and expect: drawing N: ")
tackpin_session(hidden_panel SCRIPTS hidden_panel.tps STATUS 1
  OUTPUT "nothing drawn: the plug-in is not active \\(\"activate\" activates it and shows its panel\\)"
  MESSAGE "hidden_panel.tps:7: left click on \"Set\" in row 0: the panel is hidden, so no click or key reaches it; the host shows it when the plug-in is activated \\(\"activate\"\\)")
tackpin_session(contract_breach SCRIPTS contract_breach.tps OPTIONS --module $<TARGET_FILE:careless_plugin>
  STATUS 2 MESSAGE "contract_breach.tps:2: the plug-in breached the host contract:\n  MQ_RefreshView: options are not null")
tackpin_session(malformed_settings SCRIPTS host_events.tps SETTINGS ${sessions}/data/broken-settings.xml
  STATUS 1 MESSAGE "host_events.tps: settings file .*settings.xml is not a readable settings document: line 5, column [0-9]+: ")
tackpin_session(unknown_option SCRIPTS host_events.tps OPTIONS --colour STATUS 1 MESSAGE "--colour")
tackpin_session(prompt_goes_on SCRIPTS prompt INPUT ${sessions}/prompt_input.txt
  MESSAGE "unknown command \"bogus\"")
# At the prompt the plug-in's questions are put to the user, and a colour
# dialog with nothing queued for it is told as it closes.
tackpin_session(prompt_questions SCRIPTS prompt INPUT ${sessions}/prompt_questions.txt
  OUTPUT "asked \"Overwrite\\?\" in \"Marker\": OK.*asked \"Overwrite\\?\" in \"Marker\": Cancel"
  MESSAGE "the plug-in asks \"Overwrite\\?\": answer ok or cancel.*the plug-in opened its colour dialog, and no choice was queued for it")
# A command that fails inside a question is told once, for the command that
# opened the question; the commands after it go on untouched.
tackpin_session(prompt_nested_failure SCRIPTS prompt INPUT ${sessions}/prompt_nested_failure.txt
  MESSAGE "^([^\n]*plain lines[^\n]*\n)?tackpin-host: unknown command \"bogus\"[^\n]*\n$")
tackpin_session(store_and_recall SCRIPTS store_and_recall.tps)
tackpin_session(nested_events SCRIPTS nested_events.tps)
tackpin_session(exit_inside_question SCRIPTS exit_inside_question.tps)
# While the plug-in's handler waits in a question or its colour dialog, the
# host neither unloads nor loads a module, nor restarts.
set(waits "the plug-in's handler waits there and returns into its module when the user answers")
tackpin_session(nested_unload SCRIPTS nested_unload.tps STATUS 1
  MESSAGE "nested_unload.tps:12: \"unload\" is refused inside the colour dialog: ${waits}; unload after the command that opened it")
tackpin_session(nested_restart SCRIPTS nested_restart.tps STATUS 1
  MESSAGE "nested_restart.tps:10: \"restart\" is refused inside the question: ${waits}; restart after the command that opened it")
tackpin_session(nested_load SCRIPTS nested_load.tps STATUS 1
  MESSAGE "nested_load.tps:11: \"load\" is refused inside the question: ${waits}; load after the command that opened it")
tackpin_session(panel_options SCRIPTS panel_options.tps)
tackpin_session(settings_between_runs SCRIPTS settings_first_run.tps settings_second_run.tps)
picture_line(overlay overlay.png)
tackpin_session(drawing SCRIPTS drawing.tps OUTPUT "${overlay}")
tackpin_session(hand_edited_settings SCRIPTS hand_edited_settings.tps SETTINGS ${sessions}/data/hand-edited-settings.xml)
tackpin_session(geometry_edits SCRIPTS geometry_edits.tps)
tackpin_session(quiet_prints SCRIPTS quiet_prints.tps OPTIONS --quiet TRANSCRIPT ${sessions}/quiet_prints.transcript)
tackpin_session(unanswered_question SCRIPTS unanswered_question.tps
  OUTPUT "asked \"Overwrite\\?\" in \"Marker\": no answer, which counts as Cancel")
tackpin_session(numbered_objects SCRIPTS numbered_objects.tps)
# The 3D view's colour squares name their marker rows, in row order.
picture_line(marker_rows rows.png)
if(NOT WIN32)
  string(APPEND marker_rows "the 3D view, 2 drawing objects: rows 0 and 2\n")
endif()
tackpin_session(marker_rows SCRIPTS marker_rows.tps OUTPUT "${marker_rows}")

# OBJ files from elsewhere: faces the host cannot hold are left out and told
# by the file's line; a file that is not what it claims is refused.
tackpin_session(obj_faces_left_out SCRIPTS obj_faces_left_out.tps
  MESSAGE "degenerate-faces.obj:15: face left out: it names vertex 2 twice[^\n]*\n.*degenerate-faces.obj:17: face left out: it names vertex 2 twice[^\n]*\n.*degenerate-faces.obj:18: face left out: it names no vertices\n.*degenerate-faces.obj:21: face left out: a face needs at least 2 vertices\n.*degenerate-faces.obj:22: 1 \"l\" statement")
tackpin_session(obj_bad_coordinate SCRIPTS obj_bad_coordinate.tps STATUS 1
  MESSAGE "obj_bad_coordinate.tps:2: OBJ file .*bad-coordinate.obj:5: \"x\" is not a number; a vertex is \"v X Y Z\"")
tackpin_session(obj_no_usable_faces SCRIPTS obj_no_usable_faces.tps STATUS 1
  MESSAGE "obj_no_usable_faces.tps:2: OBJ file .*no-usable-faces.obj holds no face the host can hold: all 2 faces are left out:\n  .*no-usable-faces.obj:6: face left out: it names vertex 1 twice")
tackpin_session(obj_utf16 SCRIPTS obj_utf16.tps STATUS 1
  MESSAGE "obj_utf16.tps:2: OBJ file .*utf16.obj is UTF-16 text")

# The Windows build's first run on a machine shows nothing of Wine's own
# start-up.
if(WIN32)
  string(REPLACE ";" "|" wine "${CMAKE_CROSSCOMPILING_EMULATOR}")
  add_test(NAME wine_first_run
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} "-DEMULATOR=${wine}"
            -DTOOL=$<TARGET_FILE:tackpin-host> -DPREFIX=${CMAKE_BINARY_DIR}/wine-first-run-prefix
            -P ${PROJECT_SOURCE_DIR}/tests/check_wine_first_run.cmake)
endif()

# The prompt at a terminal: Ctrl-D (the end of what is typed) ends the
# prompt's line before the host says it closes. Native only: the Windows
# build reads plain lines and has no terminal under the tests.
if(NOT WIN32)
  tackpin_session(prompt_end_of_input SCRIPTS prompt INPUT ${sessions}/prompt_end_of_input.txt TERMINAL
    OUTPUT "\n> \\(the host closes\\)")
endif()
