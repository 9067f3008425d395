// The pairing loop and its statistics.
#include "bench/paired_ratio.h"

#include <time.h>

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// CPU seconds that `executions` runs of `body` take.
double TimeOf(const Body& body, int executions) {
    const double start = ThreadSeconds();
    for (int i = 0; i < executions; ++i) body();
    return ThreadSeconds() - start;
}

// The value at fraction `at` (0 to 1) of the sorted values.
double Interpolated(const std::vector<double>& sorted, double at) {
    const double rank = at * static_cast<double>(sorted.size() - 1);
    const auto low = static_cast<std::size_t>(std::floor(rank));
    const std::size_t high = std::min(low + 1, sorted.size() - 1);
    return sorted[low] + (rank - static_cast<double>(low)) * (sorted[high] - sorted[low]);
}

}  // namespace

Quartiles QuartilesOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    return {Interpolated(values, 0.25), Interpolated(values, 0.5), Interpolated(values, 0.75)};
}

void AddPairs(const Body& operation, const Body& floor, const PairingPlan& plan,
              PairSamples& samples) {
    // One execution of each, outside the figure, tells how many make a side.
    const double operationOnce = TimeOf(operation, 1);
    const double shorter = std::min(operationOnce, TimeOf(floor, 1));
    const int executions =
        shorter >= plan.minSideSeconds
            ? 1
            : static_cast<int>(std::ceil(plan.minSideSeconds / std::max(shorter, 1e-9)));
    samples.executionsPerSide = executions;

    const auto side = [&](const Body& body) {
        if (plan.warmSides) body();
        return TimeOf(body, executions);
    };

    int pairs = 0;
    double seconds = 0.0;
    const std::size_t first = samples.floorNs.size();
    while (pairs < plan.minPairs || seconds < plan.minSeconds) {
        double operationTime = 0.0, floorTime = 0.0;
        if (samples.ratios.size() % 2 == 0) {
            operationTime = side(operation);
            floorTime = side(floor);
        } else {
            floorTime = side(floor);
            operationTime = side(operation);
        }
        seconds += operationTime + floorTime;
        if (floorTime <= 0.0) continue;
        ++pairs;
        samples.ratios.push_back(operationTime / floorTime);
        samples.operationNs.push_back(operationTime / executions * 1e9);
        samples.floorNs.push_back(floorTime / executions * 1e9);
    }
    samples.seconds += seconds;
    samples.roundFloorNs.push_back(
        QuartilesOf(
            {samples.floorNs.begin() + static_cast<std::ptrdiff_t>(first), samples.floorNs.end()})
            .median);
}

PairedRatio Summarize(const PairSamples& samples) {
    PairedRatio result;
    result.ratio = QuartilesOf(samples.ratios);
    result.pairs = static_cast<int>(samples.ratios.size());
    result.executionsPerSide = samples.executionsPerSide;
    result.operationNs = QuartilesOf(samples.operationNs).median;
    result.floorNs = QuartilesOf(samples.floorNs).median;
    result.seconds = samples.seconds;
    const auto [fastest, slowest] =
        std::minmax_element(samples.roundFloorNs.begin(), samples.roundFloorNs.end());
    if (fastest != samples.roundFloorNs.end() && *fastest > 0.0)
        result.floorDrift = *slowest / *fastest;
    return result;
}

PairedRatio MeasurePaired(const Body& operation, const Body& floor, const PairingPlan& plan) {
    PairSamples samples;
    AddPairs(operation, floor, plan, samples);
    return Summarize(samples);
}

}  // namespace bench
