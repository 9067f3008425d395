# The browser tests (tests/browser/): the page of tackpin-serve in headless
# Chromium, driven by puppeteer-core under node's own test runner, one test
# per file. They run on the Linux leg only (preset linux), against its
# sanitized tackpin-serve and tackpin-host; elsewhere they are left out.
if(WIN32 OR NOT TACKPIN_SANITIZE OR NOT TARGET tackpin-serve)
  return()
endif()

find_program(TACKPIN_NODE node)
find_program(TACKPIN_CHROMIUM chromium)
if(NOT TACKPIN_NODE OR NOT TACKPIN_CHROMIUM OR NOT EXISTS ${PROJECT_SOURCE_DIR}/node_modules/puppeteer-core)
  message(STATUS "Browser tests left out: node, chromium or node_modules/puppeteer-core is missing "
                 "(tools/install-deps.sh installs them)")
  return()
endif()

file(GLOB TACKPIN_BROWSER_TESTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/browser/*.test.mjs)
foreach(file IN LISTS TACKPIN_BROWSER_TESTS)
  get_filename_component(name ${file} NAME_WE)
  add_test(NAME browser_${name} COMMAND ${TACKPIN_NODE} --test ${file})
  # One browser at a time: each runs Chromium and a sanitized server, which
  # fill two cores between them.
  set_tests_properties(browser_${name} PROPERTIES
    ENVIRONMENT "TACKPIN_BIN=${CMAKE_BINARY_DIR}/bin;TACKPIN_CHROMIUM=${TACKPIN_CHROMIUM};TACKPIN_SANITIZED=1"
    RESOURCE_LOCK chromium LABELS browser TIMEOUT 600)
endforeach()
