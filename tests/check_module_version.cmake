# Fails unless the Windows module's version resource carries VERSION
# (MAJOR.MINOR.PATCH): the texts "FileVersion" and "ProductVersion" that the
# file's properties show, and the binary file and product versions that
# installers compare. STRINGS is the toolchain's `strings`.
#   cmake -DMODULE=Tackpin.dll -DVERSION=1.0.0 -DSTRINGS=...-strings -P check_module_version.cmake
if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "\"${VERSION}\" is not a version MAJOR.MINOR.PATCH")
endif()
set(parts ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} 0)

execute_process(COMMAND ${STRINGS} -el ${MODULE} OUTPUT_VARIABLE wide_texts RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${STRINGS} failed on ${MODULE}")
endif()
foreach(key FileVersion ProductVersion)
  string(REGEX MATCH "\n${key}\n[^\n]*" entry "\n${wide_texts}")
  string(REGEX REPLACE "^\n${key}\n" "" text "${entry}")
  if(NOT text STREQUAL VERSION)
    message(FATAL_ERROR "${MODULE}: ${key} is \"${text}\", not ${VERSION}")
  endif()
endforeach()

# VS_FIXEDFILEINFO: the signature 0xFEEF04BD, the structure's version, then
# the file version and the product version, each as two 32-bit words
# (major << 16 | minor, patch << 16 | build), all little-endian.
file(READ ${MODULE} bytes HEX)
set(at -1)
set(rest "${bytes}")
set(skipped 0)
while(at EQUAL -1)
  string(FIND "${rest}" "bd04effe" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${MODULE} has no fixed version information")
  endif()
  math(EXPR pos "${skipped} + ${found}")
  math(EXPR odd "${pos} % 2")
  if(odd)  # straddles two bytes: not the signature
    math(EXPR skipped "${pos} + 1")
    string(SUBSTRING "${bytes}" ${skipped} -1 rest)
  else()
    set(at ${pos})
  endif()
endwhile()
function(word_at offset out)  # a 16-bit little-endian number at a byte offset
  math(EXPR pos "${at} + 2 * ${offset}")
  string(SUBSTRING "${bytes}" ${pos} 4 hex)
  string(SUBSTRING "${hex}" 0 2 low)
  string(SUBSTRING "${hex}" 2 2 high)
  math(EXPR value "0x${high}${low}" OUTPUT_FORMAT DECIMAL)
  set(${out} ${value} PARENT_SCOPE)
endfunction()
foreach(field "file version;8" "product version;16")
  list(GET field 0 name)
  list(GET field 1 offset)
  math(EXPR o0 "${offset} + 2")  # major: high word of the first 32 bits
  math(EXPR o1 "${offset}")      # minor
  math(EXPR o2 "${offset} + 6")  # patch: high word of the second
  math(EXPR o3 "${offset} + 4")  # build
  set(found)
  foreach(o ${o0} ${o1} ${o2} ${o3})
    word_at(${o} value)
    list(APPEND found ${value})
  endforeach()
  if(NOT found STREQUAL parts)
    list(JOIN found "." shown)
    message(FATAL_ERROR "${MODULE}: binary ${name} is ${shown}, not ${VERSION}.0")
  endif()
endforeach()
message(STATUS "${MODULE}: version ${VERSION} in texts and numbers")
