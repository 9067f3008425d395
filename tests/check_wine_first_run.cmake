# The Windows build's first run on a machine, as tools/demo.sh --windows
# makes it: tools/wine-prefix.sh makes a fresh Wine prefix, then
# tackpin-host runs in it. Only the line that says the prefix is being made
# may reach the user, nothing of Wine's own start-up (its loader's
# messages about parts Debian's wine64 leaves out, a fault of one of its
# background programs while the session ends).
#
#   SOURCE    the source tree
#   EMULATOR  what runs the Windows program ("|"-separated)
#   TOOL      tackpin-host.exe
#   PREFIX    a folder for the fresh prefix, removed before and after
string(REPLACE "|" ";" emulator "${EMULATOR}")
set(ENV{WINEPREFIX} "${PREFIX}")
# The session that tools/wine-prefix.sh starts outlives the run by a few
# seconds; it ends before its prefix goes.
function(remove_prefix)
  execute_process(COMMAND wineserver --kill OUTPUT_QUIET ERROR_QUIET)
  file(REMOVE_RECURSE "${PREFIX}")
  file(REMOVE "${PREFIX}.log")
endfunction()
remove_prefix()
set(ENV{WINEDEBUG} "-all")
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")

execute_process(COMMAND "${SOURCE}/tools/wine-prefix.sh"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("--- tools/wine-prefix.sh (status ${status})\n${out}${err}")
set(failures)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^preparing the Wine prefix [^\n]*\n$")
  list(APPEND failures "making the prefix said more than that it makes it")
endif()

execute_process(COMMAND ${emulator} "${TOOL}" --help
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("--- tackpin-host --help (status ${status})\n${out}${err}")
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR out MATCHES "wine:" OR NOT out MATCHES "^Runs the Tackpin")
  list(APPEND failures "the first run of tackpin-host showed more than its help")
endif()

remove_prefix()
if(failures)
  list(JOIN failures "; " text)
  message(FATAL_ERROR "${text}")
endif()
