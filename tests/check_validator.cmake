# Runs the validator on one module at level 1 with a fixed seed and checks
# its verdict: EXPECT_FAIL says whether it must fail, PATTERN what its output
# must contain (the failing scenario and the check that fired). ARGS
# ("|"-separated), when not empty, replace the level and the seed; STATUS,
# when given, is the exit status it must end with, and ABSENT, when not
# empty, what its output must not contain.
set(module ${MODULE})
if(EMULATOR)
  # Under Wine the module is named by its Windows path, on the drive that
  # maps the root folder.
  string(REPLACE "/" "\\" module "Z:${MODULE}")
endif()
set(arguments --level 1 --seed 1)
if(ARGS)
  string(REPLACE "|" ";" arguments "${ARGS}")
endif()
set(command ${VALIDATOR} ${arguments} ${module})
if(EMULATOR)
  set(command ${EMULATOR} ${command})
endif()
execute_process(COMMAND ${command} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(all "${out}${err}")
message("${all}")
if(DEFINED STATUS)
  if(NOT rc EQUAL STATUS)
    message(FATAL_ERROR "the validator ended with ${rc}, not ${STATUS}")
  endif()
elseif(EXPECT_FAIL AND rc EQUAL 0)
  message(FATAL_ERROR "the validator passed a module it should fail")
elseif(NOT EXPECT_FAIL AND NOT rc EQUAL 0)
  message(FATAL_ERROR "the validator failed (${rc})")
endif()
string(REPLACE "\r\n" "\n" all "${all}")
string(REPLACE "\n" " " flat "${all}")
if(NOT flat MATCHES "${PATTERN}")
  message(FATAL_ERROR "the validator's report does not match: ${PATTERN}")
endif()
if(ABSENT AND flat MATCHES "${ABSENT}")
  message(FATAL_ERROR "the validator's report has what it must not: ${ABSENT}")
endif()
