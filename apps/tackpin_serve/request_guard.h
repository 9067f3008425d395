// Who may talk to the server: a request must name the server's own address
// in Host, and in Origin when it carries one, so that another site's page
// in the same browser (or a DNS name rebound to this machine) is refused.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace serve {

class RequestGuard {
public:
    // The server listens on `bindAddress`:`port`; 127.0.0.1 and localhost
    // are its names as well.
    RequestGuard(const std::string& bindAddress, int port);

    // Why a request with these headers is refused; nothing when it may pass.
    // An absent Origin (a request typed by hand, a same-origin GET) passes.
    std::optional<std::string> Refusal(const std::string& host,
                                       const std::optional<std::string>& origin) const;

private:
    std::vector<std::string> hosts_;  // "127.0.0.1:8700", "localhost:8700", ...
};

}  // namespace serve
