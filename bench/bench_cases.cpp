// The list of every case, marker operations first.
#include "bench/bench_cases.h"

namespace bench {

std::vector<BenchCase> AllCases() {
    std::vector<BenchCase> cases = MarkerCases();
    for (BenchCase& overlay : OverlayCases()) cases.push_back(std::move(overlay));
    return cases;
}

}  // namespace bench
