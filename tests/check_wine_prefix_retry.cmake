# tools/wine-prefix.sh against a stand-in Wine whose making of a prefix
# fails a given number of times: one failure is made good by a second try,
# quietly; two end the script with Wine's messages from both tries.
#
#   SOURCE  the source tree
#   WORK    a scratch folder, removed before and after
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/bin")

# The stand-in: "wineboot --init" fails while the count file says so, and
# otherwise writes the registry file by which the script knows a prefix.
file(WRITE "${WORK}/bin/wineboot" [=[#!/usr/bin/env bash
[[ ${1:-} == --init ]] || exit 0
mkdir -p "$WINEPREFIX"
failures=$(cat "$WINEPREFIX/../failures")
if ((failures > 0)); then
  echo $((failures - 1)) >"$WINEPREFIX/../failures"
  echo "wine: could not load kernel32.dll, status c0000135" >&2
  exit 1
fi
touch "$WINEPREFIX/system.reg"
]=])
file(WRITE "${WORK}/bin/wineserver" "#!/usr/bin/env bash\nexit 0\n")
file(CHMOD "${WORK}/bin/wineboot" "${WORK}/bin/wineserver"
  PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(failures)
function(make_prefix fails)
  file(REMOVE_RECURSE "${WORK}/prefix")
  file(WRITE "${WORK}/failures" "${fails}\n")
  execute_process(COMMAND env "PATH=${WORK}/bin:$ENV{PATH}" "WINEPREFIX=${WORK}/prefix"
                          "${SOURCE}/tools/wine-prefix.sh"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("--- ${fails} failures: status ${status}\n${out}${err}")
  set(status "${status}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

make_prefix(1)
file(READ "${WORK}/prefix.log" log)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "^preparing the Wine prefix [^\n]*\n$"
   OR NOT EXISTS "${WORK}/prefix/system.reg" OR NOT log MATCHES "kernel32.*the first try failed")
  list(APPEND failures "one failed try was not made good quietly, its messages kept in the log")
endif()

make_prefix(2)
string(REGEX MATCHALL "kernel32" messages "${err}")
list(LENGTH messages shown)
if(NOT status EQUAL 1 OR NOT err MATCHES "^tools/wine-prefix.sh: Wine could not make the prefix, twice"
   OR NOT shown EQUAL 2)
  list(APPEND failures "two failed tries did not end the script with the messages of both")
endif()

file(REMOVE_RECURSE "${WORK}")
if(failures)
  list(JOIN failures "; " text)
  message(FATAL_ERROR "${text}")
endif()
