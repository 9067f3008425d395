// A double that the host handed over, made a float, as the settings read
// one. A faulty host may answer any double, and narrowing one beyond the
// float range is undefined.
#pragma once

#include <cmath>
#include <limits>

namespace host {

// `value` as a float; finite magnitudes beyond the float range give the
// infinity of their sign, not-a-number stays not-a-number. [any time]
inline float NarrowToFloat(double value) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        return value > 0 ? kInfinity : -kInfinity;
    return static_cast<float>(value);
}

}  // namespace host
