// Runs the body of an entry from the host so that no C++ exception crosses
// into the host: a throwing body answers the given failure value instead.
#pragma once

namespace host {

template <typename R, typename Body>
R Guarded(R onFailure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

}  // namespace host
