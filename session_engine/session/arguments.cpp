#include "session_engine/session/arguments.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "session_engine/session/session_error.h"

namespace host_tool {

namespace {
// Ranges longer than this name more elements than a session's meshes hold.
constexpr int kLongestRange = 10'000'000;
}  // namespace

bool ReadInt(const std::string& word, int& value) {
    const char* end = word.data() + word.size();
    auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end && !word.empty();
}

bool ReadNumber(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* stop = nullptr;
    value = std::strtod(word.c_str(), &stop);
    return stop == word.c_str() + word.size() && std::isfinite(value);
}

std::string Quoted(const std::string& text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

void AppendWord(std::string& text, const std::string& word, const char* separator) {
    if (!text.empty()) text += separator;
    text += word;
}

std::string IndexText(const std::vector<int>& indices) {
    std::string text;
    for (int index : indices) AppendWord(text, std::to_string(index));
    return text;
}

std::string LineText(const std::vector<std::pair<int, int>>& lines) {
    std::string text;
    for (auto [face, line] : lines) {
        AppendWord(text, std::to_string(face));
        text += ':';
        text += std::to_string(line);
    }
    return text;
}

std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value == 0.0 ? 0.0 : value);
    return text;
}

bool Arguments::Take(const std::string& word) {
    if (!More() || words_[next_] != word) return false;
    ++next_;
    return true;
}

void Arguments::Fail(const std::string& message) const {
    throw SessionError(command_ + ": " + message + " (usage: " + usage_ + ")");
}

std::string Arguments::Word(const char* what) {
    if (!More()) Fail(std::string("missing ") + what);
    return words_[next_++];
}

std::string Arguments::Path(const char* what) {
    std::string path = Word(what);
    if (path == "~" || path.rfind("~/", 0) == 0) {
        const char* home = std::getenv("HOME");
        if (home == nullptr || *home == '\0') home = std::getenv("USERPROFILE");
        if (home == nullptr || *home == '\0')
            Fail("\"" + path +
                 "\" starts with ~, but neither HOME nor USERPROFILE names a home folder");
        path = std::string(home) + path.substr(1);
    }
    return path;
}

int Arguments::Int(const char* what) {
    std::string word = Word(what);
    int value = 0;
    if (!ReadInt(word, value)) Fail("\"" + word + "\" is not a whole number (" + what + ")");
    return value;
}

double Arguments::Number(const char* what) {
    std::string word = Word(what);
    double value = 0.0;
    if (!ReadNumber(word, value)) Fail("\"" + word + "\" is not a number (" + what + ")");
    return value;
}

int Arguments::Choice(const char* what, std::initializer_list<const char*> choices) {
    std::string word = Word(what);
    int position = 0;
    std::string listed;
    for (const char* choice : choices) {
        if (word == choice) return position;
        listed += (position == 0 ? "" : ", ") + std::string(choice);
        ++position;
    }
    Fail("\"" + word + "\" is not one of " + listed + " (" + what + ")");
}

bool Arguments::OnOff(const char* what) {
    return Choice(what, {"off", "on", "0", "1", "no", "yes"}) % 2 == 1;
}

std::vector<int> Arguments::IndexList(const char* what) {
    std::vector<int> indices;
    if (!More()) Fail(std::string("missing ") + what);
    while (More()) {
        std::string word = Word(what);
        std::size_t dash = word.find('-', 1);
        int first = 0, last = 0;
        bool ok = dash == std::string::npos ? ReadInt(word, first) && ReadInt(word, last)
                                            : ReadInt(word.substr(0, dash), first) &&
                                                  ReadInt(word.substr(dash + 1), last);
        if (!ok || first < 0 || last < first)
            Fail("\"" + word + "\" is not an index or a range like 0-5 (" + what + ")");
        if (last - first >= kLongestRange)
            Fail("\"" + word + "\" is a longer range than any mesh here");
        for (int index = first; index <= last; ++index) indices.push_back(index);
    }
    return indices;
}

std::string Arguments::Rest() {
    std::string rest;
    while (More()) rest += (rest.empty() ? "" : " ") + words_[next_++];
    return rest;
}

void Arguments::End() const {
    if (More()) Fail("unexpected \"" + words_[next_] + "\"");
}

}  // namespace host_tool
