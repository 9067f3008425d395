# Fails unless a newcomer who follows the README finds what it promises:
# every program the README's commands run from build/, and every build/
# path that `tackpin-host --help` names, is in a build that the main job
# (tools/demo.sh) makes; the scripts the README runs show a build's
# progress rather than hiding it; and the README says how long the main
# job's first run takes.
#
#   ROOT      the source tree
#   TOOL      tackpin-host, for its --help
#   EMULATOR  what runs it ("|"-separated; empty natively)
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" emulator "${EMULATOR}")
set(problems)

file(READ ${ROOT}/tools/demo.sh demo)
string(REGEX MATCHALL "preset=[a-z-]+" presets "${demo}")
list(TRANSFORM presets REPLACE "preset=" "")
if(NOT presets)
  message(FATAL_ERROR "tools/demo.sh names no preset")
endif()

function(check_paths text where)
  # Paths as a user types them, from the source tree; not the absolute
  # ones that --help shows for its defaults.
  string(REGEX MATCHALL "(^|[ \n])build/[a-z-]+/bin/" used "${text}")
  foreach(path IN LISTS used)
    string(REGEX REPLACE ".*build/([a-z-]+)/bin/" "\\1" preset "${path}")
    string(STRIP "${path}" path)
    if(NOT preset IN_LIST presets)
      set(problems ${problems} "${where} runs ${path}..., which only tools/test.sh builds" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

file(STRINGS ${ROOT}/README.md lines)
set(commands)
foreach(line IN LISTS lines)
  if(line MATCHES "^    [a-z]")
    string(APPEND commands "${line}\n")
  endif()
endforeach()
check_paths("${commands}" "a README command")

execute_process(COMMAND ${emulator} ${TOOL} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  list(APPEND problems "tackpin-host --help ended with ${status}")
endif()
check_paths("${help}" "tackpin-host --help")

string(REGEX MATCHALL "tools/[a-z-]+\\.sh" scripts "${commands}")
list(REMOVE_DUPLICATES scripts)
foreach(script IN LISTS scripts)
  file(STRINGS ${ROOT}/${script} builds REGEX "cmake --build.*>")
  if(builds)
    list(APPEND problems "${script} hides its build's progress: ${builds}")
  endif()
endforeach()

file(READ ${ROOT}/README.md readme)
string(FIND "${readme}" "\n    tools/demo.sh\n" demo_at)
string(SUBSTRING "${readme}" ${demo_at} 1500 after_demo)
if(demo_at LESS 0 OR NOT after_demo MATCHES "first run[^.]*minutes")
  list(APPEND problems "the README does not say how long the main job's first run takes")
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "the README promises what it does not keep:\n  ${text}")
endif()
message(STATUS "README commands: builds ${presets}; ${scripts}")
