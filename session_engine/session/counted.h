// A count with its noun in the right number: "1 vertex", "2 vertices".
#pragma once

#include <cstddef>
#include <string>

namespace host_tool {

inline std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace host_tool
