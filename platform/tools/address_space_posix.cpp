// Linux: the soft RLIMIT_AS, above what /proc says the process maps now
// (under AddressSanitizer many terabytes of shadow memory, mapped but
// never touched).
#include <sys/resource.h>

#include <unistd.h>

#include <fstream>

#include "platform/tools/address_space.h"

namespace platform {

bool LimitAddressSpaceGrowth(std::size_t bytes) {
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    if (!(statm >> pages)) return false;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0) return false;
    limit.rlim_cur =
        static_cast<rlim_t>(pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE)) + bytes);
    return setrlimit(RLIMIT_AS, &limit) == 0;
}

void LiftAddressSpaceLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_AS, &limit);
}

}  // namespace platform
