// The paired runner's arithmetic and bookkeeping, without timing anything:
// the quartiles, the alternation of operation and floor, a round measured in
// a child process, the verdict on the two ratios, and reading callgrind's
// dumps into counts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/instruction_count.h"
#include "bench/isolated_round.h"
#include "bench/paired_ratio.h"
#include "bench/ratio_table.h"

namespace {

namespace fs = std::filesystem;

TEST(PairedRatioTest, QuartilesInterpolateBetweenRanks) {
    const bench::Quartiles odd = bench::QuartilesOf({5.0, 1.0, 3.0, 2.0, 4.0});
    EXPECT_DOUBLE_EQ(odd.q1, 2.0);
    EXPECT_DOUBLE_EQ(odd.median, 3.0);
    EXPECT_DOUBLE_EQ(odd.q3, 4.0);
    EXPECT_DOUBLE_EQ(odd.RelativeSpread(), 2.0 / 3.0);

    const bench::Quartiles even = bench::QuartilesOf({4.0, 1.0, 3.0, 2.0});
    EXPECT_DOUBLE_EQ(even.q1, 1.75);
    EXPECT_DOUBLE_EQ(even.median, 2.5);
    EXPECT_DOUBLE_EQ(even.q3, 3.25);

    const bench::Quartiles one = bench::QuartilesOf({1.5});
    EXPECT_DOUBLE_EQ(one.q1, 1.5);
    EXPECT_DOUBLE_EQ(one.q3, 1.5);
    EXPECT_DOUBLE_EQ(bench::QuartilesOf({}).median, 0.0);
    EXPECT_DOUBLE_EQ(bench::QuartilesOf({}).RelativeSpread(), 0.0);
}

// Enough work that the thread's CPU clock moves during one execution.
void Spin() {
    volatile double sink = 0.0;
    for (int i = 0; i < 20000; ++i) sink = sink + i;
}

TEST(PairedRatioTest, ARoundInAChildHandsBackItsPairsAndMakesNothingHere) {
    int made = 0;  // counted in whichever process makes the bodies
    const bench::BenchCase spin{"Spin",
                                [&](int) {
                                    ++made;
                                    return bench::Body(Spin);
                                },
                                [&](int) { return bench::Body(Spin); }};
    bench::PairingPlan plan;
    plan.minPairs = 5;
    plan.minSeconds = 0.0;
    plan.minSideSeconds = 0.0;
    bench::PairSamples samples;
    ASSERT_TRUE(bench::AddPairsInChild(spin, 1000, plan, samples));
    ASSERT_TRUE(bench::AddPairsInChild(spin, 1000, plan, samples));
    EXPECT_EQ(made, 0) << "the bodies were made in this process";
    EXPECT_EQ(samples.ratios.size(), 10u);
    EXPECT_EQ(samples.operationNs.size(), 10u);
    EXPECT_EQ(samples.floorNs.size(), 10u);
    EXPECT_EQ(samples.roundFloorNs.size(), 2u);
    EXPECT_EQ(samples.executionsPerSide, 1);
    EXPECT_GT(samples.seconds, 0.0);
    for (double ratio : samples.ratios) EXPECT_GT(ratio, 0.0);

    // A case whose making fails, or whose child dies, adds nothing.
    const bench::BenchCase failing{"Failing",
                                   [](int) -> bench::Body { throw std::runtime_error("no grid"); },
                                   [](int) { return bench::Body(Spin); }};
    EXPECT_FALSE(bench::AddPairsInChild(failing, 1000, plan, samples));
    const bench::BenchCase dying{"Dying", [](int) { return bench::Body([] { std::abort(); }); },
                                 [](int) { return bench::Body(Spin); }};
    EXPECT_FALSE(bench::AddPairsInChild(dying, 1000, plan, samples));
    EXPECT_EQ(samples.ratios.size(), 10u);
    EXPECT_EQ(samples.roundFloorNs.size(), 2u);
}

TEST(PairedRatioTest, OperationAndFloorTakeTurnsGoingFirst) {
    // The executions in order, "|" after every second one.
    std::string order;
    int executions = 0;
    const auto record = [&](char body) {
        Spin();
        if (executions++ % 2 == 0 && !order.empty()) order += '|';
        order += body;
    };
    const bench::Body operation = [&] { record('o'); };
    const bench::Body floor = [&] { record('f'); };
    bench::PairingPlan plan;
    plan.minPairs = 4;
    plan.minSeconds = 0.0;
    plan.minSideSeconds = 0.0;  // one execution per side
    plan.warmSides = false;
    const bench::PairedRatio measured = bench::MeasurePaired(operation, floor, plan);

    EXPECT_EQ(measured.pairs, 4);
    EXPECT_EQ(measured.executionsPerSide, 1);
    // One untimed execution of each first, then the pairs, turn about.
    EXPECT_EQ(order, "of|of|fo|of|fo");
    EXPECT_GT(measured.ratio.median, 0.0);
    EXPECT_LE(measured.ratio.q1, measured.ratio.median);
    EXPECT_LE(measured.ratio.median, measured.ratio.q3);

    // Warm sides: each body runs once untimed right before its own timed run.
    order.clear();
    executions = 0;
    plan.warmSides = true;
    plan.minPairs = 2;
    EXPECT_EQ(bench::MeasurePaired(operation, floor, plan).pairs, 2);
    EXPECT_EQ(order, "of|oo|ff|ff|oo");
}

TEST(PairedRatioTest, RoundsAddUpAndKeepTakingTurns) {
    std::string order;
    const bench::Body operation = [&] {
        Spin();
        order += 'o';
    };
    const bench::Body floor = [&] {
        Spin();
        order += 'f';
    };
    bench::PairingPlan plan;
    plan.minPairs = 3;
    plan.minSeconds = 0.0;
    plan.minSideSeconds = 0.0;
    plan.warmSides = false;
    bench::PairSamples samples;
    bench::AddPairs(operation, floor, plan, samples);
    order += '|';
    bench::AddPairs(operation, floor, plan, samples);
    // Three pairs, then three more: the second round's first pair goes floor
    // first, as the fourth pair of one round would.
    EXPECT_EQ(order,
              "of"
              "of"
              "fo"
              "of"
              "|"
              "of"
              "fo"
              "of"
              "fo");
    const bench::PairedRatio both = bench::Summarize(samples);
    EXPECT_EQ(both.pairs, 6);
    EXPECT_EQ(samples.ratios.size(), 6u);
    EXPECT_EQ(samples.roundFloorNs.size(), 2u);
    EXPECT_GE(both.floorDrift, 1.0);
    EXPECT_GT(both.seconds, 0.0);
    EXPECT_LE(both.ratio.q1, both.ratio.median);
}

TEST(PairedRatioTest, TheFloorsDriftIsItsSlowestRoundOverItsFastest) {
    bench::PairSamples samples;
    EXPECT_DOUBLE_EQ(bench::Summarize(samples).floorDrift, 1.0);
    samples.roundFloorNs = {10.0, 12.5, 11.0};
    EXPECT_DOUBLE_EQ(bench::Summarize(samples).floorDrift, 1.25);
}

TEST(PairedRatioTest, ShortBodiesRunSeveralTimesPerSide) {
    int operations = 0;
    const bench::Body operation = [&] { ++operations; };
    const bench::Body floor = [] {};
    bench::PairingPlan plan;
    plan.minPairs = 2;
    plan.minSeconds = 0.0;
    plan.minSideSeconds = 0.001;  // far longer than an empty body
    const bench::PairedRatio measured = bench::MeasurePaired(operation, floor, plan);

    EXPECT_GT(measured.executionsPerSide, 1);
    // The calibration, then per pair one untimed execution and the timed ones.
    EXPECT_EQ(operations, 1 + measured.pairs * (1 + measured.executionsPerSide));
}

class InstructionCountsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("tackpin-counts-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name) << text;
    }

    fs::path folder;
};

// The dumps as callgrind 3.19 writes them: a header naming the client
// request, then "summary:" and, at the end, "totals:". The file callgrind
// writes at the program's end has no request and is left out.
TEST_F(InstructionCountsTest, ReadsEachDumpsRequestAndTotal) {
    Write("callgrind.out",
          "version: 1\ndesc: Trigger: Program termination\nsummary: 7\ntotals: 0\n");
    Write("callgrind.out.1",
          "version: 1\ncmd: tackpin_bench --count\ndesc: Trigger: Client Request: "
          "DrawPass/1000000/operation\nevents: Ir\nsummary: 420\nfl=(1) x.cpp\n\ntotals: 420\n");
    Write("callgrind.out.2",
          "version: 1\ndesc: Trigger: Client Request: DrawPass/1000000/floor\nevents: Ir\n"
          "summary: 300\n");
    const std::string counts = (folder / "instructions.txt").string();
    const std::string command =
        "awk -f " + std::string(TACKPIN_SOURCE_DIR) + "/tools/callgrind-counts.awk " +
        (folder / "callgrind.out").string() + " " + (folder / "callgrind.out.1").string() + " " +
        (folder / "callgrind.out.2").string() + " > " + counts;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const auto read = bench::ReadInstructionCounts(counts);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_DOUBLE_EQ(read.at(bench::CountLabel("DrawPass", 1000000, false)), 420.0);
    EXPECT_DOUBLE_EQ(read.at(bench::CountLabel("DrawPass", 1000000, true)), 300.0);
    EXPECT_TRUE(bench::ReadInstructionCounts("").empty());
    EXPECT_TRUE(bench::ReadInstructionCounts((folder / "absent").string()).empty());
}

bench::PairedRatio RatioOf(double median) {
    bench::PairedRatio measured;
    measured.ratio = {median * 0.99, median, median * 1.01};
    measured.pairs = 15;
    return measured;
}

TEST(RatioTableTest, FailsOnlyWhenTheRatiosDisagreeAtTheCheckedSize) {
    const std::map<std::string, double> counts{
        {bench::CountLabel("Store", 100000, false), 200.0},
        {bench::CountLabel("Store", 100000, true), 100.0},
        {bench::CountLabel("Store", 1000000, false), 200.0},
        {bench::CountLabel("Store", 1000000, true), 100.0},
    };
    bench::RatioTable agreeing(counts, 0.35, 1000000);
    agreeing.PrintRow("Store", 100000, RatioOf(1.2));  // off by 0.8, but not checked there
    agreeing.PrintRow("Store", 1000000, RatioOf(1.7));
    agreeing.PrintRow("Recall", 1000000, RatioOf(0.5));  // no counts: nothing to compare
    EXPECT_TRUE(agreeing.PrintVerdict());

    bench::RatioTable disagreeing(counts, 0.35, 1000000);
    disagreeing.PrintRow("Store", 1000000, RatioOf(1.6));
    EXPECT_FALSE(disagreeing.PrintVerdict());
}

}  // namespace
