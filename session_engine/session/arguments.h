// The arguments of one session command, read front to back with the checks
// that turn a bad word into a message naming what was expected.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace host_tool {

class Arguments {
public:
    Arguments(std::string command, std::vector<std::string> words, std::string usage)
        : command_(std::move(command)), words_(std::move(words)), usage_(std::move(usage)) {}

    const std::string& Command() const { return command_; }
    const std::string& Usage() const { return usage_; }
    bool More() const { return next_ < words_.size(); }
    // The next word without taking it; empty at the end.
    std::string Peek() const { return More() ? words_[next_] : std::string(); }
    // Takes the next word if it equals `word`.
    bool Take(const std::string& word);

    // Each takes the next word; throws SessionError naming `what` when there
    // is none or it does not read as asked.
    std::string Word(const char* what);
    // A file's path: "~" or "~/..." at its start is the user's home folder
    // (HOME, else USERPROFILE), as a shell would read it.
    std::string Path(const char* what);
    int Int(const char* what);
    double Number(const char* what);
    float Float(const char* what) { return static_cast<float>(Number(what)); }
    // One of `choices`; answers its position.
    int Choice(const char* what, std::initializer_list<const char*> choices);
    // "on"/"off", also "1"/"0", "yes"/"no".
    bool OnOff(const char* what);
    // Every remaining word as indices: "3", "0-5" (both ends included).
    std::vector<int> IndexList(const char* what);
    // Every remaining word, joined by single blanks.
    std::string Rest();
    // Throws when words are left over.
    void End() const;

    // A SessionError for this command's arguments, with its usage.
    [[noreturn]] void Fail(const std::string& message) const;

private:
    std::string command_;
    std::vector<std::string> words_;
    std::string usage_;
    std::size_t next_ = 0;
};

// Reads a whole word as a number; false when it is not one.
bool ReadInt(const std::string& word, int& value);
bool ReadNumber(const std::string& word, double& value);
// Text pieces for the transcript, built by appending (the "literal" + string
// form trips a false warning of MinGW's g++ 12).
std::string Quoted(const std::string& text);
// Appends `word` to `text`, after `separator` unless `text` is empty.
void AppendWord(std::string& text, const std::string& word, const char* separator = " ");
// "0 1 5": indices separated by blanks.
std::string IndexText(const std::vector<int>& indices);
// "3:1 4:0": face lines as FACE:LINE.
std::string LineText(const std::vector<std::pair<int, int>>& lines);
// A number as the transcript shows it: at most 6 significant digits, no
// trailing zeros ("5", "0.498039").
std::string NumberText(double value);

}  // namespace host_tool
