// The operations the benchmarks time, each beside its floor, as bodies that
// can be run one execution at a time: by Google Benchmark's loops, by the
// paired runner (operation and floor alternately) and under callgrind.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

// One execution of an operation or of its floor, on a mesh made ready when
// the body was made.
using Body = std::function<void()>;

// An operation and its floor ("<name>Floor"). Each maker builds (or reuses)
// the grid of `faces` quads and everything the body needs, and runs any
// untimed warm-up the timed executions must find done. An operation's body
// and its floor's stay valid together until a case of another grid size or
// with other draw options is made.
struct BenchCase {
    std::string name;
    std::function<Body(int faces)> makeOperation;
    std::function<Body(int faces)> makeFloor;
};

// The store and the recall (marker_bench.cpp), then the draw passes and the
// normals refresh (overlay_bench.cpp), in the order they run.
std::vector<BenchCase> MarkerCases();
std::vector<BenchCase> OverlayCases();

// Every case, in the order above.
std::vector<BenchCase> AllCases();

}  // namespace bench
