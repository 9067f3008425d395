# Run by CPack after it has made the release package: unpacks it and fails
# unless it holds exactly Tackpin.dll, INSTALL.txt and LICENSE.txt; the DLL
# is the very file the Wine leg tested (its hash is the one tools/test.sh
# recorded after the tests passed); its exports and imports pass the checks
# of the tested module; and its version resource carries the version in the
# package's name.
# A refused package is removed, where CPack made it and where it would copy
# it to, so that no unchecked package is left to ship.
macro(refuse)
  foreach(made IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(made_name ${made} NAME)
    file(REMOVE ${made} ${CPACK_PACKAGE_DIRECTORY}/${made_name})
  endforeach()
  if(DEFINED unpacked)
    file(REMOVE_RECURSE ${unpacked})
  endif()
  message(FATAL_ERROR ${ARGN})
endmacro()

list(LENGTH CPACK_PACKAGE_FILES count)
if(NOT count EQUAL 1)
  refuse("expected one package, CPack made: ${CPACK_PACKAGE_FILES}")
endif()
set(package ${CPACK_PACKAGE_FILES})
get_filename_component(package_name ${package} NAME)
if(NOT package_name MATCHES "^Tackpin-([0-9]+\\.[0-9]+\\.[0-9]+)-win64\\.zip$")
  refuse("${package_name} is not named Tackpin-VERSION-win64.zip")
endif()
set(package_version ${CMAKE_MATCH_1})
string(REGEX REPLACE "\\.zip$" "" top ${package_name})

set(unpacked ${CPACK_PACKAGE_DIRECTORY}/unpacked)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${package} WORKING_DIRECTORY ${unpacked}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  refuse("${package_name} does not unpack")
endif()
file(GLOB_RECURSE contents RELATIVE ${unpacked} ${unpacked}/*)
list(SORT contents)
set(expected ${top}/INSTALL.txt ${top}/LICENSE.txt ${top}/Tackpin.dll)
if(NOT contents STREQUAL expected)
  refuse("${package_name} holds:\n  ${contents}\nexpected exactly:\n  ${expected}")
endif()

set(dll ${unpacked}/${top}/Tackpin.dll)
if(NOT EXISTS ${CPACK_TACKPIN_TESTED_STAMP})
  refuse("no tested module recorded: make the package with tools/package.sh, "
                      "which packs the Windows build once its tests have passed")
endif()
file(READ ${CPACK_TACKPIN_TESTED_STAMP} stamp)
string(REGEX MATCH "^[0-9a-f]+" tested_hash "${stamp}")
file(SHA256 ${dll} packed_hash)
if(NOT packed_hash STREQUAL tested_hash)
  refuse("Tackpin.dll in ${package_name} is not the module the tests passed on")
endif()

# The same checks as the tested module's: exports, imports, version resource.
foreach(check
    "check_module_tables.cmake;-DMODULE=${dll};-DTOOL=${CPACK_TACKPIN_OBJDUMP};-DWINDOWS=ON"
    "check_module_version.cmake;-DMODULE=${dll};-DVERSION=${package_version};-DSTRINGS=${CPACK_TACKPIN_STRINGS}")
  list(POP_FRONT check script)
  execute_process(COMMAND ${CMAKE_COMMAND} ${check} -P ${CPACK_TACKPIN_CHECKS}/${script}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    refuse("Tackpin.dll in ${package_name} fails ${script}:\n${out}")
  endif()
endforeach()
# The shipped DLL is stripped: no debug section, no symbol table.
execute_process(COMMAND ${CPACK_TACKPIN_OBJDUMP} -h -t ${dll} OUTPUT_VARIABLE sections)
if(sections MATCHES "\\.debug_[a-z_]+")
  refuse("Tackpin.dll in ${package_name} still has its debug sections (${CMAKE_MATCH_0})")
endif()
if(sections MATCHES "\\[ *[0-9]+\\]\\(sec")
  refuse("Tackpin.dll in ${package_name} still has its symbol table")
endif()
# The install note: Windows line ends, the minimum host version, the folder.
file(READ ${unpacked}/${top}/INSTALL.txt note HEX)
if(NOT note MATCHES "^(..)*0d0a" OR note MATCHES "^(..)*([^0].|.[^d])0a")
  refuse("INSTALL.txt in ${package_name} does not end every line with CR LF")
endif()
file(READ ${unpacked}/${top}/INSTALL.txt note)
foreach(needed "0x4200" "Plugins\\Station")
  string(FIND "${note}" "${needed}" at)
  if(at LESS 0)
    refuse("INSTALL.txt in ${package_name} does not say ${needed}")
  endif()
endforeach()
file(SIZE ${dll} dll_size)
file(REMOVE_RECURSE ${unpacked})
message(STATUS "${package_name}: the tested Tackpin.dll (${dll_size} bytes, stripped), version ${package_version}, with the install note and the licence")
