// Printing the paired ratios beside the instruction ratios.
#include "bench/ratio_table.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <utility>

#include "bench/instruction_count.h"

namespace bench {

namespace {
// A spread wider than this share of the median makes the figure doubtful.
constexpr double kWideSpread = 0.10;
// A floor whose slowest round takes this much longer than its fastest shows
// that the machine itself changed speed during the figure.
constexpr double kMovedDrift = 1.15;
}  // namespace

std::map<std::string, double> ReadInstructionCounts(const std::string& path) {
    std::map<std::string, double> counts;
    if (path.empty()) return counts;
    std::ifstream in(path);
    std::string label;
    double count = 0.0;
    while (in >> label >> count) counts[label] = count;
    return counts;
}

RatioTable::RatioTable(std::map<std::string, double> counts, double agreeWithin,
                       long long checkedFaces)
    : counts_(std::move(counts)), agreeWithin_(agreeWithin), checkedFaces_(checkedFaces) {}

double RatioTable::InstructionRatio(const std::string& name, long long faces) const {
    const auto operation = counts_.find(CountLabel(name, faces, false));
    const auto floor = counts_.find(CountLabel(name, faces, true));
    if (operation == counts_.end() || floor == counts_.end() || floor->second <= 0.0) return 0.0;
    return operation->second / floor->second;
}

void RatioTable::PrintHeader() const {
    std::printf("%-24s %9s %9s %9s %7s %13s %6s %8s %9s\n", "operation", "faces", "ns/face",
                "floor", "ratio", "q1-q3", "pairs", "spread", "instr");
    std::fflush(stdout);
}

void RatioTable::PrintRow(const std::string& name, long long faces, const PairedRatio& measured) {
    const double perFace = faces > 0 ? static_cast<double>(faces) : 1.0;
    const Quartiles& ratio = measured.ratio;
    const double instructions = InstructionRatio(name, faces);
    char instructionText[16] = "-";
    if (instructions > 0.0)
        std::snprintf(instructionText, sizeof instructionText, "%.2f", instructions);
    const bool wide = ratio.RelativeSpread() > kWideSpread;
    const bool moved = measured.floorDrift > kMovedDrift;
    const bool disagrees = faces == checkedFaces_ && instructions > 0.0 &&
                           std::fabs(ratio.median - instructions) > agreeWithin_;
    std::printf("%-24s %9lld %9.2f %9.2f %7.2f %6.2f-%-6.2f %6d %7.0f%% %9s%s%s%s\n", name.c_str(),
                faces, measured.operationNs / perFace, measured.floorNs / perFace, ratio.median,
                ratio.q1, ratio.q3, measured.pairs, 100.0 * ratio.RelativeSpread(), instructionText,
                wide ? "  wide" : "", moved ? "  moved" : "", disagrees ? "  DISAGREE" : "");
    std::fflush(stdout);
    const std::string row = name + " at " + std::to_string(faces) + " faces";
    if (wide) wide_.push_back(row);
    if (moved) {
        char drift[160];
        std::snprintf(drift, sizeof drift,
                      "%s: its floor took %.0f%% longer in its slowest round than in its fastest",
                      row.c_str(), 100.0 * (measured.floorDrift - 1.0));
        moved_.push_back(drift);
    }
    if (disagrees) disagreeing_.push_back(row);
}

bool RatioTable::PrintVerdict() const {
    std::printf(
        "\nratio: median over the pairs of operation time / floor time (CPU time, operation\n"
        "and floor alternately in one loop); q1-q3: its quartiles; spread: (q3 - q1) / ratio;\n"
        "instr: operation / floor instructions of one warm execution (callgrind).\n");
    if (counts_.empty()) {
        std::printf("no instruction counts were given: the two ratios were not compared\n");
    }
    for (const std::string& row : wide_) {
        std::printf("warning: %s the spread is wider than %.0f%%; the ratio is doubtful\n",
                    row.c_str(), 100.0 * kWideSpread);
    }
    for (const std::string& note : moved_) {
        std::printf(
            "warning: %s.\n  The machine's speed moved during the run, and so does the ratio to a "
            "floor\n  that waits on memory: compare only with runs where it did not.\n",
            note.c_str());
    }
    for (const std::string& row : disagreeing_) {
        std::printf("error: %s the time ratio and the instruction ratio differ by more than %.2f\n",
                    row.c_str(), agreeWithin_);
    }
    std::fflush(stdout);
    return disagreeing_.empty();
}

}  // namespace bench
