// tinyobjloader's implementation, compiled in where no built library of it
// is at hand (the Windows build).
#define TINYOBJLOADER_IMPLEMENTATION
#include <tiny_obj_loader.h>
