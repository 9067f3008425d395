#include "session_engine/session/nearest_word.h"

#include <algorithm>

namespace host_tool {

namespace {

// Edits from `a` to `b`, a swap of two neighbours counting as one.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    const std::size_t rows = a.size() + 1, columns = b.size() + 1;
    std::vector<std::size_t> d(rows * columns);
    auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return d[i * columns + j]; };
    for (std::size_t i = 0; i < rows; ++i) at(i, 0) = i;
    for (std::size_t j = 0; j < columns; ++j) at(0, j) = j;
    for (std::size_t i = 1; i < rows; ++i) {
        for (std::size_t j = 1; j < columns; ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(rows - 1, columns - 1);
}

}  // namespace

std::string NearestWord(const std::string& typed, const std::vector<std::string>& known) {
    const std::size_t nearEnough = typed.size() <= 4 ? 1 : 2;
    std::string nearest;
    std::size_t best = nearEnough + 1;
    for (const std::string& word : known) {
        const std::size_t distance = EditDistance(typed, word);
        if (distance < best) {
            best = distance;
            nearest = word;
        }
    }
    return nearest;
}

std::string DidYouMean(const std::string& typed, const std::vector<std::string>& known) {
    const std::string nearest = NearestWord(typed, known);
    return nearest.empty() ? std::string() : "; did you mean \"" + nearest + "\"?";
}

}  // namespace host_tool
