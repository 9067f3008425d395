# Reads the plug-in module's export table (and on Windows its imports) and
# fails unless it exports exactly the fourteen entry points, and on Windows
# imports only system DLLs and carries its version resource. A test build
# names the further exports it must have in EXTRA; a module without EXTRA
# must not even mention the test builds' controls.
set(expected MQCheckVersion MQCreate MQEnumFileExt MQEnumFileType MQEnumString MQExportFile
    MQGetPlugInID MQGetPlugInName MQGetPlugInType MQImportFile MQInit MQModifyObject
    MQModifySelect MQOnEvent ${EXTRA})

file(STRINGS ${MODULE} controls REGEX "TackpinTest")
if(NOT EXTRA AND controls)
  message(FATAL_ERROR "${MODULE} carries the allocation hook of the test build: ${controls}")
endif()

if(WINDOWS)
  execute_process(COMMAND ${TOOL} -p ${MODULE} OUTPUT_VARIABLE table RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${TOOL} failed on ${MODULE}")
  endif()
  # Named exports are listed after "[Ordinal/Name Pointer] Table" as
  # "\t[   3] MQGetPlugInName".
  string(FIND "${table}" "[Ordinal/Name Pointer] Table" start)
  string(SUBSTRING "${table}" ${start} -1 names)
  string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [^\n]+" rows "${names}")
  set(exports)
  foreach(row IN LISTS rows)
    string(REGEX REPLACE ".*\\] " "" name "${row}")
    list(APPEND exports ${name})
  endforeach()
  # The version resource that Windows shows in the file's properties (a
  # test build has none).
  if(NOT EXTRA)
    string(REPLACE "objdump" "strings" strings_tool "${TOOL}")
    execute_process(COMMAND ${strings_tool} -el ${MODULE} OUTPUT_VARIABLE wide_texts)
    foreach(text VS_VERSION_INFO FileVersion ProductName FileDescription)
      if(NOT wide_texts MATCHES "${text}\n")
        message(FATAL_ERROR "Tackpin.dll has no version resource entry ${text}")
      endif()
    endforeach()
    if(NOT wide_texts MATCHES "ProductName\nTackpin\n")
      message(FATAL_ERROR "Tackpin.dll's product name is not Tackpin")
    endif()
  endif()

  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOUPPER "${dll}" dll)
    if(NOT dll MATCHES "^(KERNEL32|USER32|MSVCRT|API-MS-WIN-CRT-.*)\\.DLL$")
      message(FATAL_ERROR "Tackpin.dll imports ${dll}, which is not a system DLL")
    endif()
  endforeach()
else()
  execute_process(COMMAND ${TOOL} -D --defined-only --format=posix ${MODULE}
                  OUTPUT_VARIABLE table RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${TOOL} failed on ${MODULE}")
  endif()
  string(REGEX MATCHALL "(^|\n)[^ \n]+ [A-Za-z]" rows "${table}")
  set(exports)
  foreach(row IN LISTS rows)
    string(REGEX REPLACE "^\n?([^ ]+) .*" "\\1" name "${row}")
    list(APPEND exports ${name})
  endforeach()
endif()

list(SORT exports)
list(SORT expected)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports of ${MODULE}:\n  ${exports}\nexpected exactly:\n  ${expected}")
endif()
list(LENGTH exports count)
message(STATUS "${MODULE}: exactly ${count} exports")
