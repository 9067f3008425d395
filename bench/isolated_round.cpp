// The child of one round: fork, measure, write the new pairs to a pipe.
#include "bench/isolated_round.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace bench {

namespace {

// What a round adds to the samples, as the child writes it: the counts and
// scalars first, then the three lists of `pairs` values each.
struct RoundHeader {
    std::uint64_t pairs = 0;
    std::int32_t executionsPerSide = 0;
    double seconds = 0.0;
    double roundFloorNs = 0.0;
};

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, at, size);
        if (written <= 0) return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string ReadAll(int fd) {
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

// The child: measures and writes the pairs it added; its exit status.
int MeasureInChild(const BenchCase& benchCase, int faces, const PairingPlan& plan,
                   PairSamples samples, int fd) {
    const std::size_t first = samples.ratios.size();
    const double secondsBefore = samples.seconds;
    try {
        const Body operation = benchCase.makeOperation(faces);
        const Body floor = benchCase.makeFloor(faces);
        AddPairs(operation, floor, plan, samples);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s at %d faces: %s\n", benchCase.name.c_str(), faces, error.what());
        return 1;
    }
    RoundHeader header;
    header.pairs = samples.ratios.size() - first;
    header.executionsPerSide = samples.executionsPerSide;
    header.seconds = samples.seconds - secondsBefore;
    header.roundFloorNs = samples.roundFloorNs.back();
    const std::size_t bytes = header.pairs * sizeof(double);
    const bool written = WriteAll(fd, &header, sizeof header) &&
                         WriteAll(fd, samples.ratios.data() + first, bytes) &&
                         WriteAll(fd, samples.operationNs.data() + first, bytes) &&
                         WriteAll(fd, samples.floorNs.data() + first, bytes);
    return written ? 0 : 1;
}

// The child's pairs added to `samples`; false when `bytes` is not one
// round's worth.
bool AddRound(const std::string& bytes, PairSamples& samples) {
    RoundHeader header;
    if (bytes.size() < sizeof header) return false;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (bytes.size() != sizeof header + 3 * header.pairs * sizeof(double)) return false;
    std::vector<double> values(3 * header.pairs);
    std::memcpy(values.data(), bytes.data() + sizeof header, values.size() * sizeof(double));
    const auto pairs = static_cast<std::ptrdiff_t>(header.pairs);
    auto from = values.begin();
    for (std::vector<double>* into : {&samples.ratios, &samples.operationNs, &samples.floorNs}) {
        into->insert(into->end(), from, from + pairs);
        from += pairs;
    }
    samples.executionsPerSide = header.executionsPerSide;
    samples.seconds += header.seconds;
    samples.roundFloorNs.push_back(header.roundFloorNs);
    return true;
}

}  // namespace

bool AddPairsInChild(const BenchCase& benchCase, int faces, const PairingPlan& plan,
                     PairSamples& samples) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("the benchmark could not make a pipe for its child");
        return false;
    }
    // Nothing buffered is written twice, once by each process.
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("the benchmark could not start a child process");
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return false;
    }
    if (child == 0) {
        close(pipeEnds[0]);
        const int status = MeasureInChild(benchCase, faces, plan, samples, pipeEnds[1]);
        close(pipeEnds[1]);
        // No destructors and no exit handlers: they belong to the parent.
        _exit(status);
    }
    close(pipeEnds[1]);
    const std::string bytes = ReadAll(pipeEnds[0]);
    close(pipeEnds[0]);
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    const bool exited = waited == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (exited && AddRound(bytes, samples)) return true;
    if (waited == child && WIFSIGNALED(status))
        std::fprintf(stderr, "%s at %d faces: the child process died of signal %d\n",
                     benchCase.name.c_str(), faces, WTERMSIG(status));
    else
        std::fprintf(stderr, "%s at %d faces: the child process handed back no pairs\n",
                     benchCase.name.c_str(), faces);
    return false;
}

}  // namespace bench
