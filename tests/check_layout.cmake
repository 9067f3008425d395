# Fails unless the README's layout table and the tree agree, so that a
# newcomer who reads the table finds each thing in the folder it names, first
# time:
#   - every folder the table names exists, and so does every subfolder that a
#     row names inside itself (`session/` in the row of apps/tackpin_host/);
#   - every folder at the top of the tree has a row of its own;
#   - every folder that holds C++ code has a row of its own, or is named in
#     the row of the nearest folder above it that has one;
#   - every folder whose sources the build gathers exists.
#
#   ROOT  the source tree
cmake_minimum_required(VERSION 3.25)
set(missing)

# The table: one row per folder, "| `FOLDER/` | what it holds |".
file(STRINGS ${ROOT}/README.md lines REGEX "^\\| `[^`]+/` \\|")
set(named)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^\\| `([^`]+)/` \\|.*" "\\1" folder "${line}")
  string(REGEX REPLACE "^\\| `[^`]+/` \\|(.*)" "\\1" text "${line}")
  list(APPEND named ${folder})
  string(MAKE_C_IDENTIFIER "${folder}" key)
  set(row_${key} "${text}")
  if(NOT IS_DIRECTORY ${ROOT}/${folder})
    list(APPEND missing "README.md names ${folder}/, which does not exist")
  endif()
  # Subfolders a row names: a lone folder name in backticks ("`session/`").
  string(REGEX MATCHALL "`[A-Za-z0-9_]+/`" inner "${text}")
  foreach(sub IN LISTS inner)
    string(REGEX REPLACE "`([^/]+)/`" "\\1" sub "${sub}")
    if(NOT IS_DIRECTORY ${ROOT}/${folder}/${sub} AND NOT IS_DIRECTORY ${ROOT}/${sub})
      list(APPEND missing "README.md names ${sub}/ in the row of ${folder}/, and neither exists")
    endif()
  endforeach()
endforeach()
list(LENGTH named count)
if(count EQUAL 0)
  message(FATAL_ERROR "README.md has no layout table")
endif()

# The files of the tree: those git keeps or would keep, or, outside a
# checkout, every file but the builds'.
execute_process(COMMAND git -C ${ROOT} ls-files --cached --others --exclude-standard
  OUTPUT_VARIABLE tracked RESULT_VARIABLE git_status ERROR_QUIET)
if(git_status EQUAL 0)
  string(REGEX REPLACE "\n$" "" tracked "${tracked}")
  string(REPLACE "\n" ";" files "${tracked}")
else()
  file(GLOB tops LIST_DIRECTORIES true RELATIVE ${ROOT} ${ROOT}/*)
  set(files)
  foreach(top IN LISTS tops)
    if(IS_DIRECTORY ${ROOT}/${top} AND NOT top MATCHES "^(\\.|build$)")
      file(GLOB_RECURSE below LIST_DIRECTORIES false RELATIVE ${ROOT} ${ROOT}/${top}/*)
      list(APPEND files ${below})
    endif()
  endforeach()
endif()

set(code_folders)
set(top_folders)
foreach(file IN LISTS files)
  if(NOT file MATCHES "/")
    continue()
  endif()
  string(REGEX REPLACE "/.*" "" top "${file}")
  if(NOT top MATCHES "^\\.")
    list(APPEND top_folders ${top})
  endif()
  if(file MATCHES "\\.(cpp|h)$")
    get_filename_component(folder "${file}" DIRECTORY)
    list(APPEND code_folders ${folder})
  endif()
endforeach()
list(REMOVE_DUPLICATES top_folders)
list(REMOVE_DUPLICATES code_folders)

foreach(top IN LISTS top_folders)
  if(NOT top IN_LIST named)
    list(APPEND missing "${top}/ has no row in README.md's layout table")
  endif()
endforeach()

foreach(folder IN LISTS code_folders)
  if(folder IN_LIST named)
    continue()
  endif()
  # The nearest folder above with a row must name this one in it.
  set(above "${folder}")
  set(found OFF)
  while(above MATCHES "/")
    get_filename_component(above "${above}" DIRECTORY)
    if(above IN_LIST named)
      file(RELATIVE_PATH inside ${ROOT}/${above} ${ROOT}/${folder})
      string(MAKE_C_IDENTIFIER "${above}" key)
      string(FIND "${row_${key}}" "`${inside}/`" at)
      if(at GREATER -1)
        set(found ON)
      endif()
      break()
    endif()
  endwhile()
  if(NOT found)
    list(APPEND missing "${folder}/ holds C++ code but neither has a row of its own nor is named in its parent's")
  endif()
endforeach()

file(GLOB build_files ${ROOT}/CMakeLists.txt ${ROOT}/cmake/*.cmake)
foreach(build_file IN LISTS build_files)
  file(READ ${build_file} text)
  string(REGEX MATCHALL "[A-Za-z0-9_/]+/\\*\\.cpp" patterns "${text}")
  foreach(pattern IN LISTS patterns)
    get_filename_component(folder "${pattern}" DIRECTORY)
    if(NOT IS_DIRECTORY ${ROOT}/${folder})
      get_filename_component(name ${build_file} NAME)
      list(APPEND missing "${name} gathers ${pattern}, but ${folder}/ does not exist")
    endif()
  endforeach()
endforeach()

if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "the layout table and the tree disagree:\n  ${text}")
endif()
message(STATUS "README's layout table names ${count} folders, all present, and every folder of code")
