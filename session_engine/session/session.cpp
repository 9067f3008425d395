#include "session_engine/session/session.h"

#include <filesystem>
#include <utility>

#include "session_engine/commands/commands.h"
#include "session_engine/session/nearest_word.h"
#include "session_engine/session/session_error.h"
#include "session_engine/settings/settings_store.h"
#include "simhost/contract/violations.h"
#include "simhost/host_state.h"
#include "simhost/widgets/widget_dialogs.h"
#include "simhost/widgets/widget_model.h"

namespace host_tool {

Session::Session(SessionOptions options, std::FILE* transcript, std::FILE* notes)
    : options_(std::move(options)), transcript_(transcript), notes_(notes) {
    for (auto table : {HostCommands, MeshCommands, PanelCommands, ReportCommands, PictureCommands})
        for (CommandEntry& command : table()) commands_.push_back(std::move(command));
}

Session::~Session() = default;

void Session::Say(const std::string& line) {
    if (!options_.quiet) std::fprintf(transcript_, "  %s\n", line.c_str());
}

void Session::Show(const std::string& line) { std::fprintf(transcript_, "  %s\n", line.c_str()); }

void Session::Note(const std::string& line) {
    std::fflush(transcript_);
    std::fprintf(notes_, "tackpin-host: %s\n", line.c_str());
    std::fflush(notes_);
}

void Session::Open() {
    sim::ResetHost();
    LoadSettings();
    document_ = sim::Documents().NewDocument();
    scene_ = sim::Documents().NewScene(document_, view_);
    sim::Widgets().SetEventDocument(document_);
    LoadModule(options_.modulePath);
    CheckContract();
}

void Session::LoadSettings() {
    if (ReadHostSettings(options_.settingsPath)) {
        Say("host: settings read from the settings file");
    } else {
        Say("host: no settings file yet; a new one is written at exit");
    }
}

void Session::SaveSettings() {
    WriteHostSettings(options_.settingsPath);
    Say("host: settings saved");
}

void Session::LoadModule(const std::string& path) {
    RefuseInModalRun("load");
    if (plugin_.IsLoaded()) throw SessionError("the plug-in module is already loaded");
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        throw SessionError("no plug-in module at " + path +
                           " (build it first, or name one with --module)");
    if (!plugin_.LoadAndInitialize(path)) {
        std::string why = plugin_.Error();
        const std::string repeated = "cannot load " + path + ": ";
        if (why.compare(0, repeated.size(), repeated) == 0) why.erase(0, repeated.size());
        plugin_.Unload();
        throw SessionError("the plug-in module " + path + " did not load: " + why);
    }
    unsigned int product = 0, id = 0;
    plugin_.Exports().getPlugInId(&product, &id);
    sim::ExpectSender(product, id);
    const char* name = plugin_.Exports().getPlugInName();
    char identity[64];
    std::snprintf(identity, sizeof identity, "%08X %08X", product, id);
    Say(std::string("host: plug-in \"") + (name != nullptr ? name : "") + "\" loaded (" + identity +
        ", type " + std::to_string(plugin_.Exports().getPlugInType()) + ")");
}

void Session::RequireModule() const {
    if (!plugin_.IsLoaded()) throw SessionError("the plug-in module is not loaded (see \"load\")");
}

void Session::RequireStarted() const {
    RequireModule();
    if (!started_) throw SessionError("the plug-in has not been started (see \"start\")");
}

void Session::RefuseInModalRun(const std::string& command) const {
    if (inside_.empty() && sim::Dialogs().OpenNow() == 0) return;
    const std::string where = inside_.empty() ? "while a question or dialog is open" : inside_;
    throw SessionError("\"" + command + "\" is refused " + where +
                       ": the plug-in's handler waits there and returns into its module when "
                       "the user answers; " +
                       command + " after the command that opened it");
}

void Session::Start() {
    RequireModule();
    if (started_) throw SessionError("the plug-in is already started");
    lastAnswer_ = plugin_.Start();
    started_ = true;
    Say("start: answered " + std::to_string(lastAnswer_));
}

void Session::Exit() {
    RequireStarted();
    lastAnswer_ = plugin_.Exit();
    started_ = false;
    Say("exit: answered " + std::to_string(lastAnswer_));
    SaveSettings();
}

void Session::Unload() {
    RefuseInModalRun("unload");
    RequireModule();
    if (started_) throw SessionError("the host unloads the plug-in only after \"exit\"");
    plugin_.Unload();
    Say("host: plug-in module unloaded");
}

void Session::NewDocument() {
    document_ = sim::Documents().NewDocument();
    scene_ = sim::Documents().NewScene(document_, view_);
    sim::Widgets().SetEventDocument(document_);
    lastAnswer_ = plugin_.LoadDocument(document_);
    Say("new document: load event answered " + std::to_string(lastAnswer_));
}

void Session::ReportEdit() {
    if (plugin_.IsLoaded()) plugin_.Event(document_, 221, nullptr);
}

int Session::MarkerRowOf(MQObject drawing) const {
    auto found = markerRows_.find(drawing);
    return found == markerRows_.end() ? -1 : found->second;
}

std::string Session::InputPath(const std::string& path) const {
    if (scriptFolder_.empty() || std::filesystem::path(path).is_absolute()) return path;
    return (std::filesystem::path(scriptFolder_) / path).string();
}

MQObject Session::CurrentObject() const {
    int index = sim::Documents().CurrentObjectIndex(document_);
    MQObject object = index >= 0 ? sim::Documents().ObjectAt(document_, index) : nullptr;
    if (object == nullptr)
        throw SessionError(
            "the document has no current object (make one with \"mesh\" or \"open\")");
    return object;
}

MQObject Session::FindObject(const std::string& word) const {
    sim::DocumentModel& documents = sim::Documents();
    // "[2]" is the object at index 2; every other word is a name, digits too.
    if (word.size() >= 2 && word.front() == '[' && word.back() == ']') {
        int index = -1;
        MQObject object = nullptr;
        if (ReadInt(word.substr(1, word.size() - 2), index))
            object = documents.ObjectAt(document_, index);
        if (object == nullptr) throw SessionError("the document has no object " + word);
        return object;
    }
    for (int i = 0; i < documents.ObjectCount(document_); ++i) {
        MQObject object = documents.ObjectAt(document_, i);
        if (object != nullptr && documents.ObjectName(object) == word) return object;
    }
    std::string message = "the document has no object named \"" + word + "\"";
    int index = -1;
    if (ReadInt(word, index)) message += " (the object at index " + word + " is [" + word + "])";
    throw SessionError(message);
}

void Session::Execute(const std::vector<std::string>& words) {
    if (words.empty()) return;
    const CommandEntry* found = nullptr;
    for (const CommandEntry& command : commands_) {
        if (words[0] == command.name) found = &command;
    }
    if (found == nullptr) {
        std::vector<std::string> names;
        for (const CommandEntry& command : commands_) names.push_back(command.name);
        throw SessionError("unknown command \"" + words[0] + "\"" + DidYouMean(words[0], names) +
                           " (\"help\" lists them)");
    }
    if (!options_.quiet && echo_) {
        std::string line = ">";
        for (const std::string& word : words)
            line += " " + (word.find(' ') == std::string::npos ? word : "\"" + word + "\"");
        std::fprintf(transcript_, "%s\n", line.c_str());
    }
    // On its way out before the plug-in is called: a crash in there must
    // not take the transcript down with the process's buffers.
    std::fflush(transcript_);
    Arguments arguments(words[0], std::vector<std::string>(words.begin() + 1, words.end()),
                        found->usage);
    const int refreshes = sim::RefreshRequests(), notices = sim::DeactivateNotices();
    try {
        found->run(*this, arguments);
    } catch (...) {
        // A failure of a command carried out inside the question this
        // command opened belongs to this command, and to none after it; it
        // came first, so it is the one told, unless the plug-in breached the
        // contract meanwhile.
        std::exception_ptr nested = std::exchange(nestedFailure_, nullptr);
        CheckContract();
        if (nested) std::rethrow_exception(nested);
        throw;
    }
    TellHostRequests(refreshes, notices);
    CheckContract();
    if (std::exception_ptr nested = std::exchange(nestedFailure_, nullptr))
        std::rethrow_exception(nested);
}

void Session::ExecuteNested(const std::string& where, const std::vector<std::string>& words) {
    std::string line = where + ":";
    for (const std::string& word : words) line += " " + word;
    Say(line);
    const bool echo = echo_;
    echo_ = false;
    const std::string outside = std::exchange(inside_, where);
    try {
        Execute(words);
    } catch (...) {
        // The first failure counts; the commands after it still run, as the
        // host cannot stop delivering while the question waits.
        if (!nestedFailure_) nestedFailure_ = std::current_exception();
    }
    inside_ = outside;
    echo_ = echo;
}

void Session::TellHostRequests(int refreshesBefore, int noticesBefore) {
    // A restart resets the host's counts.
    const int refreshes =
        sim::RefreshRequests() - (sim::RefreshRequests() >= refreshesBefore ? refreshesBefore : 0);
    const int notices =
        sim::DeactivateNotices() - (sim::DeactivateNotices() >= noticesBefore ? noticesBefore : 0);
    if (refreshes == 1) Say("the plug-in asked the host to redraw");
    if (refreshes > 1)
        Say("the plug-in asked the host to redraw (" + std::to_string(refreshes) + " times)");
    if (notices > 0) Say("the plug-in told the host it is no longer active");
}

void Session::Close() {
    if (plugin_.IsLoaded() && !options_.quiet) std::fprintf(transcript_, "> (the host closes)\n");
    std::fflush(transcript_);
    if (started_) Exit();
    if (plugin_.IsLoaded()) Unload();
    CheckContract();
}

void Session::Restart() {
    RefuseInModalRun("restart");
    Close();
    violationsSeen_ = 0;
    started_ = false;
    Open();
}

void Session::CheckContract() {
    const std::vector<std::string>& violations = sim::Violations();
    if (violations.size() <= violationsSeen_) return;
    std::string report;
    for (std::size_t i = violationsSeen_; i < violations.size(); ++i)
        report += "\n  " + violations[i];
    violationsSeen_ = violations.size();
    throw ContractBreach("the plug-in breached the host contract:" + report);
}

}  // namespace host_tool
