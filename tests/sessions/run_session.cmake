# Runs tackpin-host on session scripts, one run after the other with one
# settings file, and checks the last run's exit status, its messages and,
# when asked, its transcript against a stored one.
#
#   TOOL        the tackpin-host executable
#   EMULATOR    what runs it ("|"-separated; empty natively)
#   SCRIPTS     the scripts ("|"-separated), or "-" with INPUT for the prompt
#   INPUT       a file given as standard input
#   OPTIONS     more options ("|"-separated)
#   WORK        a folder of its own, emptied first
#   STATUS      the exit status of the last run (default 0); "crashed": any
#               but 0 (any at all under an emulator)
#   MESSAGE     a regular expression its messages must match
#   OUTPUT      a regular expression its standard output must match
#   TRANSCRIPT  a file its standard output must equal, with lines ended by
#               LF alone
#   NO_PICTURES the build draws no pictures: each line of TRANSCRIPT that
#               says a picture was written must say instead that it was not
#   SETTINGS    a settings file to start from
#   TERMINAL    run it at a terminal (a pseudo-terminal made by script(1)),
#               INPUT typed there; its output is the terminal's
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" scripts "${SCRIPTS}")
string(REPLACE "|" ";" options "${OPTIONS}")
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(SETTINGS)
  file(COPY_FILE "${SETTINGS}" "${WORK}/settings.xml")
endif()

set(input_args)
if(INPUT)
  set(input_args INPUT_FILE "${INPUT}")
endif()
list(LENGTH scripts runs)
set(run 0)
foreach(script IN LISTS scripts)
  math(EXPR run "${run} + 1")
  set(script_args "${script}")
  if(script STREQUAL "prompt")
    set(script_args)
  endif()
  set(command ${emulator} "${TOOL}" --settings "${WORK}/settings.xml" ${options} ${script_args})
  if(TERMINAL)
    list(JOIN command " " line)
    set(command script --quiet --return --command "${line}" /dev/null)
  endif()
  # The output goes through a file, read back as text (which drops carriage
  # returns) and as bytes (which keeps them, for the transcript's check).
  execute_process(
    COMMAND ${command}
    WORKING_DIRECTORY "${WORK}"
    ${input_args}
    RESULT_VARIABLE status
    OUTPUT_FILE "${WORK}/output.txt"
    ERROR_VARIABLE err)
  file(READ "${WORK}/output.txt" out)
  message("--- run ${run}: ${script} (status ${status})\n${out}${err}")
  if(run LESS runs AND NOT status EQUAL 0)
    message(FATAL_ERROR "run ${run} failed")
  endif()
endforeach()

if(EXISTS "${WORK}/settings.xml.new")
  message(FATAL_ERROR "a new settings file was left beside the settings file")
endif()
if(STATUS STREQUAL "crashed")
  # Under Wine the status is whatever its crash debugger leaves, 0 at times:
  # only the messages tell the crash there.
  if(status EQUAL 0 AND NOT emulator)
    message(FATAL_ERROR "the run ended well; it was to crash")
  endif()
elseif(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}")
endif()
if(DEFINED MESSAGE AND NOT err MATCHES "${MESSAGE}")
  message(FATAL_ERROR "the messages do not match: ${MESSAGE}")
endif()
if(DEFINED OUTPUT AND NOT out MATCHES "${OUTPUT}")
  message(FATAL_ERROR "the output does not match: ${OUTPUT}")
endif()
if(TRANSCRIPT)
  # Lines end in LF alone on every platform, so that transcripts compare.
  file(READ "${WORK}/output.txt" bytes HEX)
  if(bytes MATCHES "^(..)*0d")
    message(FATAL_ERROR "the transcript ends lines with a carriage return")
  endif()
  file(READ "${TRANSCRIPT}" expected)
  if(NO_PICTURES)
    string(REGEX REPLACE "\n  wrote ([^:\n]+): [^\n]*" "\n  \\1 not written: this build draws no pictures (cairo is built for Linux only)"
           expected "${expected}")
  endif()
  if(NOT out STREQUAL expected)
    file(WRITE "${WORK}/transcript.txt" "${out}")
    message(FATAL_ERROR "the transcript differs from ${TRANSCRIPT}; it is in ${WORK}/transcript.txt")
  endif()
endif()
