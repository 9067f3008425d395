#include "apps/tackpin_serve/session_record.h"

namespace serve {

std::string CommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += word.find_first_of(" \t") == std::string::npos ? word : "\"" + word + "\"";
    }
    return line;
}

void SessionRecord::BeginCommand() { frames_.emplace_back(); }

void SessionRecord::EndCommand(const std::string& line, bool ran) {
    if (frames_.empty()) return;
    Frame frame = std::move(frames_.back());
    frames_.pop_back();
    if (!ran) return;
    std::vector<std::string> block;
    for (const Dialog& dialog : frame.opened) {
        if (!dialog.answer.empty()) block.push_back(dialog.answer);
        const std::string inside = dialog.question ? "inside question " : "inside dialog ";
        for (const std::string& nested : dialog.inside) block.push_back(inside + nested);
    }
    block.push_back(line);
    std::vector<std::string>& into = open_.empty() ? lines_ : open_.back().inside;
    into.insert(into.end(), block.begin(), block.end());
}

void SessionRecord::BeginDialog(bool question) {
    Dialog dialog;
    dialog.question = question;
    open_.push_back(std::move(dialog));
}

void SessionRecord::EndDialog(const std::string& answer) {
    if (open_.empty()) return;
    Dialog dialog = std::move(open_.back());
    open_.pop_back();
    dialog.answer = answer;
    // A dialog opened outside any command (none should be) is not filed.
    if (!frames_.empty()) frames_.back().opened.push_back(std::move(dialog));
}

std::string SessionRecord::Text() const {
    std::string text =
        "# Recorded by tackpin-serve: the commands that ran in the page's host, a session\n"
        "# script for tackpin-host. OBJ files are named by their full path; an uploaded\n"
        "# file by the name it was uploaded under: keep it beside this script.\n";
    for (const std::string& line : lines_) text += line + "\n";
    return text;
}

}  // namespace serve
