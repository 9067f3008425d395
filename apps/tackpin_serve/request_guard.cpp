#include "apps/tackpin_serve/request_guard.h"

#include <algorithm>

namespace serve {

RequestGuard::RequestGuard(const std::string& bindAddress, int port) {
    // Appended rather than ":" + ...: g++ 12 at -O3 warns, wrongly, of an
    // overlapping copy in that form.
    std::string suffix = ":";
    suffix += std::to_string(port);
    hosts_ = {"127.0.0.1" + suffix, "localhost" + suffix};
    // An address given with --bind is a name of the server too; "any
    // address" is not one a browser names.
    if (bindAddress != "127.0.0.1" && bindAddress != "0.0.0.0" && bindAddress != "::" &&
        !bindAddress.empty())
        hosts_.push_back(bindAddress + suffix);
}

std::optional<std::string> RequestGuard::Refusal(const std::string& host,
                                                 const std::optional<std::string>& origin) const {
    auto known = [this](const std::string& name) {
        return std::find(hosts_.begin(), hosts_.end(), name) != hosts_.end();
    };
    if (!known(host))
        return "the request's Host \"" + host + "\" is not this server (" + hosts_.front() + ")";
    if (origin && (origin->compare(0, 7, "http://") != 0 || !known(origin->substr(7))))
        return "the request's Origin \"" + *origin + "\" is not this server (http://" +
               hosts_.front() + ")";
    return std::nullopt;
}

}  // namespace serve
