# The command-line host that runs the plug-in in the simulated host.
add_executable(tackpin-host examples/tackpin_host.cpp)
target_link_libraries(tackpin-host PRIVATE simhost)
add_dependencies(tackpin-host Tackpin)
