# The command-line host that runs the plug-in in the simulated host.
add_executable(tackpin-host examples/tackpin_host.cpp)
target_link_libraries(tackpin-host PRIVATE simhost)
add_dependencies(tackpin-host Tackpin)

# The validator: runs the validation suites against any module, each
# scenario in a fresh process of its own.
file(GLOB VALIDATE_SOURCES CONFIGURE_DEPENDS examples/validate/*.cpp)
add_executable(tackpin-validate ${VALIDATE_SOURCES})
target_link_libraries(tackpin-validate PRIVATE tackpin_validation)
add_dependencies(tackpin-validate Tackpin)
