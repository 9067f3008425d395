# The release package Tackpin-VERSION-win64.zip: the Windows module, the
# install note and the licence. Made by `cpack --preset windows` from the
# build the Wine leg has tested (tools/package.sh): packing builds nothing,
# and a check after packing refuses a module other than the tested one.

# Packing installs what the build already made; it must not build again.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS Tackpin LIBRARY DESTINATION . RUNTIME DESTINATION .)
# With Windows line ends: the note is read in Windows' own editors.
configure_file(packaging/INSTALL.txt.in ${CMAKE_BINARY_DIR}/generated/INSTALL.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/generated/INSTALL.txt DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tackpin)
set(CPACK_PACKAGE_VENDOR "Tackpin developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME Tackpin-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# Read by the check after packing (tests/check_package.cmake).
set(CPACK_TACKPIN_TESTED_STAMP ${CMAKE_BINARY_DIR}/tested-module.sha256)
set(CPACK_TACKPIN_CHECKS ${PROJECT_SOURCE_DIR}/tests)
set(CPACK_TACKPIN_OBJDUMP x86_64-w64-mingw32-objdump)
set(CPACK_TACKPIN_STRINGS x86_64-w64-mingw32-strings)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/tests/check_package.cmake)

include(CPack)
