#include "apps/tackpin_serve/console_log.h"

#include <algorithm>

namespace serve {

struct ConsoleLog::Stream {
    ConsoleLog* log;
    bool notes;
};

namespace {

ssize_t WriteToLog(void* cookie, const char* data, size_t size);
int CloseStream(void* cookie);

}  // namespace

ConsoleLog::~ConsoleLog() {
    for (std::FILE*& file : files_)
        if (file != nullptr) std::fclose(file);
}

void ConsoleLog::Add(const std::string& kind, const std::string& text) {
    if (echo_ != nullptr) std::fprintf(echo_, "%s: %s\n", kind.c_str(), text.c_str());
    if (kind == "breach") ++breaches_;
    lines_.push_back(ConsoleLine{nextSeq_++, kind, text});
    while (lines_.size() > limit_) lines_.pop_front();
}

std::vector<ConsoleLine> ConsoleLog::Since(long after) const {
    auto first = std::upper_bound(lines_.begin(), lines_.end(), after,
                                  [](long seq, const ConsoleLine& line) { return seq < line.seq; });
    return std::vector<ConsoleLine>(first, lines_.end());
}

std::FILE* ConsoleLog::Transcript() { return files_[0] ? files_[0] : (files_[0] = Open(false)); }
std::FILE* ConsoleLog::Notes() { return files_[1] ? files_[1] : (files_[1] = Open(true)); }

void ConsoleLog::Flush() {
    for (std::FILE* file : files_)
        if (file != nullptr) std::fflush(file);
}

std::FILE* ConsoleLog::Open(bool notes) {
    cookie_io_functions_t functions{};
    functions.write = WriteToLog;
    functions.close = CloseStream;
    std::FILE* file = fopencookie(new Stream{this, notes}, "w", functions);
    if (file != nullptr) setvbuf(file, nullptr, _IOLBF, 0);
    return file;
}

void ConsoleLog::TakeText(bool notes, const char* data, std::size_t size) {
    std::string& partial = partial_[notes ? 1 : 0];
    partial.append(data, size);
    std::size_t start = 0, end;
    while ((end = partial.find('\n', start)) != std::string::npos) {
        std::string line = partial.substr(start, end - start);
        start = end + 1;
        if (notes) {
            // tackpin-host's remarks beside the transcript name the program.
            const std::string prefix = "tackpin-host: ";
            if (line.compare(0, prefix.size(), prefix) == 0) line.erase(0, prefix.size());
            Add("say", line);
        } else if (line.compare(0, 2, "> ") == 0) {
            Add("event", line.substr(2));
        } else {
            Add("say", line.compare(0, 2, "  ") == 0 ? line.substr(2) : line);
        }
    }
    partial.erase(0, start);
}

namespace {

ssize_t WriteToLog(void* cookie, const char* data, size_t size) {
    auto* stream = static_cast<ConsoleLog::Stream*>(cookie);
    stream->log->TakeText(stream->notes, data, size);
    return static_cast<ssize_t>(size);
}

int CloseStream(void* cookie) {
    delete static_cast<ConsoleLog::Stream*>(cookie);
    return 0;
}

}  // namespace

}  // namespace serve
