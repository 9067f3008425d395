// Marks a function as exported from the module that defines it: the plug-in's
// entry points and the simulated host's functions.
#pragma once

#if defined(_WIN32)
#define TACKPIN_EXPORT __declspec(dllexport)
#else
#define TACKPIN_EXPORT __attribute__((visibility("default")))
#endif
