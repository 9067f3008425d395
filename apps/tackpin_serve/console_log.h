// The host console the page shows: the session's transcript as tackpin-host
// writes it (each event the host sent, each user action and what came of
// it), the plug-in's calls that changed the host, breaches of the host
// contract and refused requests. It keeps the last lines only.
#pragma once

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace serve {

struct ConsoleLine {
    long seq = 0;
    std::string kind;  // "event", "say", "call", "breach", "error"
    std::string text;
};

class ConsoleLog {
public:
    explicit ConsoleLog(std::size_t limit = 5000) : limit_(limit) {}
    ~ConsoleLog();
    ConsoleLog(const ConsoleLog&) = delete;
    ConsoleLog& operator=(const ConsoleLog&) = delete;

    void Add(const std::string& kind, const std::string& text);
    // The lines after `after` (all kept lines for 0), oldest first.
    std::vector<ConsoleLine> Since(long after) const;
    long LastSeq() const { return nextSeq_ - 1; }
    // Lines of kind "breach" told so far, also those no longer kept.
    int Breaches() const { return breaches_; }

    // Streams for the session: its transcript (command lines become
    // "event" lines, the rest "say") and its notes. Line buffered; Flush
    // hands over what a stream holds.
    std::FILE* Transcript();
    std::FILE* Notes();
    void Flush();
    // Every line also goes to `echo` (the server's own output), or nowhere.
    void EchoTo(std::FILE* echo) { echo_ = echo; }

    // What the streams write: split into lines and added.
    struct Stream;
    void TakeText(bool notes, const char* data, std::size_t size);

private:
    std::FILE* Open(bool notes);

    std::size_t limit_;
    std::deque<ConsoleLine> lines_;
    long nextSeq_ = 1;
    int breaches_ = 0;
    std::string partial_[2];
    std::FILE* files_[2] = {nullptr, nullptr};
    std::FILE* echo_ = nullptr;
};

}  // namespace serve
