#include "apps/tackpin_serve/host_loop.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "apps/tackpin_serve/mesh_binary.h"
#include "session_engine/commands/commands.h"
#include "session_engine/obj_import/obj_import.h"
#include "session_engine/session/script_words.h"
#include "session_engine/session/session_error.h"
#include "session_engine/session/session_runner.h"
#include "simhost/documents/document_model.h"
#include "simhost/host_changes.h"
#include "simhost/host_state.h"
#include "simhost/widgets/widget_events.h"
#include "simhost/widgets/widget_model.h"

namespace serve {

using nlohmann::json;

namespace {

const char* Where(const ModalEntry& entry) {
    return entry.question ? "inside the question" : "inside the colour dialog";
}

std::string RgbWords(const sim::RgbValue& rgb) {
    return std::to_string(rgb.r) + " " + std::to_string(rgb.g) + " " + std::to_string(rgb.b);
}

// Back to the transcript's own echo once a nested command is done.
class EchoOff {
public:
    EchoOff(host_tool::Session& session, bool off) : session_(session), off_(off) {
        if (off_) session_.SetEcho(false);
    }
    ~EchoOff() {
        if (off_) session_.SetEcho(true);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    host_tool::Session& session_;
    bool off_;
};

}  // namespace

HostLoop::HostLoop(host_tool::Session& session, JobQueue& queue, ConsoleLog& console,
                   std::string examplesFolder)
    : session_(session),
      queue_(queue),
      console_(console),
      examplesFolder_(std::move(examplesFolder)) {
    sim::ObserveHostChanges([this](const std::string& line) { console_.Add("call", line); });
    status_.examples = Examples();
}

HostLoop::~HostLoop() {
    sim::ObserveHostChanges(nullptr);
    sim::Dialogs().SetLiveUser(nullptr);
}

std::vector<std::string> HostLoop::Examples() const {
    std::vector<std::string> names;
    std::error_code error;
    if (examplesFolder_.empty()) return names;
    for (auto it = std::filesystem::directory_iterator(examplesFolder_, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (it->is_regular_file(error) && it->path().extension() == ".obj")
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// --- Start and close -----------------------------------------------------------

int HostLoop::Start(const std::string& script, std::FILE* errors) {
    auto fail = [&](const std::string& where, const std::exception& error, int status) {
        console_.Flush();
        std::fprintf(errors, "tackpin-serve: %s%s\n", where.c_str(), error.what());
        return status;
    };
    std::ifstream file;
    if (!script.empty()) {
        file.open(script);
        if (!file) {
            std::fprintf(errors, "tackpin-serve: cannot read the script %s\n", script.c_str());
            return host_tool::kStatusFailed;
        }
        session_.SetScriptFolder(std::filesystem::path(script).parent_path().string());
    }
    const std::string name = script + ": ";
    try {
        session_.Open();
    } catch (const host_tool::ContractBreach& breach) {
        return fail(name, breach, host_tool::kStatusBreach);
    } catch (const std::runtime_error& error) {
        return fail(name, error, host_tool::kStatusFailed);
    }
    std::string line;
    int number = 0;
    while (!session_.EndRequested() && std::getline(file, line)) {
        const std::string where = script + ":" + std::to_string(++number) + ": ";
        try {
            std::vector<std::string> words = host_tool::SplitWords(line);
            if (words.empty()) continue;
            if (words[0] == "render" || words[0] == "render-panel") {
                console_.Add("say",
                             where + "\"" + words[0] + "\" left out: the page shows the view");
                continue;
            }
            // Files named beside the script are named by their full path, so
            // that the record runs from anywhere.
            std::vector<std::string> recorded = words;
            if (words[0] == "open" && words.size() == 2)
                recorded[1] =
                    std::filesystem::absolute(session_.InputPath(words[1])).lexically_normal();
            RunCommand(words, CommandLine(recorded));
        } catch (const host_tool::ContractBreach& breach) {
            return fail(where, breach, host_tool::kStatusBreach);
        } catch (const std::runtime_error& error) {
            return fail(where, error, host_tool::kStatusFailed);
        }
    }
    console_.Flush();
    NoteObjectsSeen();
    return host_tool::kStatusOk;
}

int HostLoop::Serve(std::FILE* errors) {
    sim::Dialogs().SetLiveUser(this);
    Loop(nullptr);
    Flush();
    queue_.Close();
    // Nothing may wait for the page while the host closes.
    sim::Dialogs().SetLiveUser(nullptr);
    int status = host_tool::kStatusOk;
    try {
        session_.Close();
    } catch (const host_tool::ContractBreach& breach) {
        TellBreach(breach.what());
        std::fprintf(errors, "tackpin-serve: at the end: %s\n", breach.what());
        status = host_tool::kStatusBreach;
    } catch (const std::runtime_error& error) {
        std::fprintf(errors, "tackpin-serve: at the end: %s\n", error.what());
        status = host_tool::kStatusFailed;
    }
    console_.Flush();
    return status;
}

// --- The loops -------------------------------------------------------------------

void HostLoop::Loop(Level* level) {
    while (level == nullptr || !level->ended) {
        if (stopping_) {
            if (level != nullptr) EndOnStop(*level);
            return;
        }
        Flush();
        std::shared_ptr<Job> job = queue_.Take();
        if (!job) {
            stopping_ = true;
            continue;
        }
        RunJob(job);
        // A dialog the plug-in destroyed meanwhile runs no longer.
        if (level != nullptr && !level->ended && !level->entry.question &&
            !sim::Widgets().IsAlive(level->entry.dialog))
            EndDialog(*level, std::nullopt, "close");
    }
}

void HostLoop::EndOnStop(Level& level) {
    // The host closes while the plug-in waits for an answer: the exit comes
    // nested, as the host sends it, and the question goes unanswered.
    if (session_.Started()) {
        try {
            RunCommand({"exit"}, "exit");
        } catch (const host_tool::ContractBreach& breach) {
            TellBreach(breach.what());
        } catch (const std::runtime_error& error) {
            console_.Add("error", error.what());
        }
    }
    level.ended = true;
    level.answer.reset();
}

void HostLoop::RunJob(const std::shared_ptr<Job>& job) {
    running_.push_back(Running{job, nullptr, false});
    ReplyMaker maker;
    try {
        maker = job->work();
    } catch (const std::exception& error) {
        const std::string reason = error.what();
        maker = [reason] { return ErrorReply(500, reason); };
    }
    // Jobs nested under this one have come and gone: it is the last.
    const bool replied = running_.back().replied;
    running_.pop_back();
    if (!replied) pending_.emplace_back(job, std::move(maker));
    NoteObjectsSeen();
}

void HostLoop::Flush() {
    console_.Flush();
    TellSelectionCalls();
    std::vector<std::pair<std::shared_ptr<Job>, ReplyMaker>> pending;
    pending.swap(pending_);
    // Jobs still under way (a dialog opened under them) go first.
    for (Running& running : running_) {
        if (running.replied || !running.interim) continue;
        running.replied = true;
        pending.emplace(pending.begin(), running.job, running.interim);
    }
    for (auto& [job, maker] : pending) {
        try {
            job->reply.set_value(maker());
        } catch (const std::exception& error) {
            job->reply.set_value(ErrorReply(500, error.what()));
        }
    }
}

std::optional<int> HostLoop::AnswerMessageBox(const sim::MessageBoxRecord& box) {
    Level level;
    level.entry.question = true;
    level.entry.box = box;
    record_.BeginDialog(true);
    levels_.push_back(&level);
    Loop(&level);
    levels_.pop_back();
    record_.EndDialog(level.answerLine);
    return level.answer;
}

std::optional<int> HostLoop::RunModal(int dialogId) {
    Level level;
    level.entry.question = false;
    level.entry.dialog = dialogId;
    record_.BeginDialog(false);
    levels_.push_back(&level);
    Loop(&level);
    levels_.pop_back();
    record_.EndDialog(level.answerLine);
    return level.answer;
}

void HostLoop::EndDialog(Level& level, std::optional<int> answer, const std::string& exit) {
    level.ended = true;
    level.answer = answer;
    if (level.entry.question) {
        level.answerLine = "answer " + exit;
    } else {
        level.answerLine = "colour " + (level.rgb ? RgbWords(*level.rgb) + " " : "") + exit;
        session_.Say("colour dialog: " + exit);
    }
}

std::vector<ModalEntry> HostLoop::Modal() const {
    std::vector<ModalEntry> modal;
    for (const Level* level : levels_) modal.push_back(level->entry);
    return modal;
}

// --- Commands ---------------------------------------------------------------------

void HostLoop::RunCommand(const std::vector<std::string>& words, const std::string& recorded) {
    const int notices = sim::DeactivateNotices();
    const bool nested = !levels_.empty();
    if (nested) session_.Say(std::string(Where(levels_.back()->entry)) + ": " + CommandLine(words));
    record_.BeginCommand();
    try {
        EchoOff echo(session_, nested);
        session_.Execute(words);
    } catch (const host_tool::ContractBreach&) {
        // The command ran; the breach is the plug-in's.
        record_.EndCommand(recorded, true);
        TellSelectionCalls();
        throw;
    } catch (...) {
        record_.EndCommand(recorded, false);
        throw;
    }
    record_.EndCommand(recorded, true);
    TellSelectionCalls();
    // What the host knows of the plug-in's activation: the user's own
    // commands, and the plug-in telling it is no longer active.
    const std::string& verb = words.front();
    if (verb == "activate") status_.active = true;
    if (verb == "deactivate" || verb == "exit" || verb == "restart" || verb == "unload" ||
        sim::DeactivateNotices() > notices)
        status_.active = false;
}

void HostLoop::Execute(const std::vector<std::string>& words) {
    try {
        RunCommand(words, CommandLine(words));
    } catch (const host_tool::ContractBreach& breach) {
        TellBreach(breach.what());
    } catch (const host_tool::SessionError& error) {
        throw RequestError(409, error.what());
    } catch (const host_tool::ExpectationFailed& error) {
        throw RequestError(409, error.what());
    }
}

void HostLoop::CarryOut(const Translation& translation) {
    Level* level = levels_.empty() ? nullptr : levels_.back();
    switch (translation.step) {
    case Step::Commands:
        for (const std::vector<std::string>& words : translation.commands) Execute(words);
        break;
    case Step::Answer:
        EndDialog(*level, translation.answer, translation.answer == 1 ? "ok" : "cancel");
        break;
    case Step::DialogColour:
        sim::Widgets().SetByUser(translation.widget, "rgb", translation.rgb);
        level->rgb = translation.rgb;
        session_.Say("colour dialog: set to " + RgbWords(translation.rgb));
        break;
    case Step::DialogClose: EndDialog(*level, std::nullopt, "close"); break;
    case Step::DialogButton: {
        sim::WidgetModel& widgets = sim::Widgets();
        const bool ok = widgets.TextProperty(translation.widget, "text") == std::u16string(u"OK");
        sim::EventOutcome outcome = sim::UserLeftDown(translation.widget);
        session_.Say(
            std::string("left click on \"") + (ok ? "OK" : "Cancel") + "\" in the colour dialog: " +
            (outcome.handlersCalled == 0 ? std::string("no handler of the plug-in")
                                         : "handler answered " + std::to_string(outcome.answer)));
        const int result = widgets.IntProperty(translation.widget, "modalresult").value_or(0);
        if (result != 0) EndDialog(*level, result, ok ? "ok" : "cancel");
        break;
    }
    }
    if (translation.redraw && session_.Plugin().IsLoaded()) Execute({"draw"});
}

// --- The jobs -----------------------------------------------------------------------

ReplyMaker HostLoop::StateReply(long after) {
    return [this, after] {
        Reply reply;
        reply.body = builder_.Build(session_, Modal(), console_, after, status_).dump();
        return reply;
    };
}

ReplyMaker HostLoop::State(long after) { return StateReply(after); }

ReplyMaker HostLoop::Mesh(int uniqueId) {
    MQObject object = sim::Documents().ObjectFromUniqueId(session_.Document(), uniqueId);
    if (object == nullptr) {
        const std::string reason = "no object " + std::to_string(uniqueId);
        return [reason] { return ErrorReply(404, reason); };
    }
    auto reply = std::make_shared<Reply>();
    reply->contentType = "application/octet-stream";
    reply->body = MeshBinary(*sim::Documents().MeshOf(object));
    return [reply] { return std::move(*reply); };
}

void HostLoop::Refused(const RequestError& error) {
    console_.Add("error", "refused (" + std::to_string(error.Status()) + "): " + error.what());
}

ReplyMaker HostLoop::Act(const std::string& body, long after) {
    try {
        json action = json::parse(body, nullptr, true);
        ActionContext context{Modal(), status_.examples, examplesFolder_, objectsSeen_};
        Translation translation = Translate(session_, action, context);
        if (!running_.empty()) running_.back().interim = StateReply(after);
        CarryOut(translation);
        ++status_.version;
        return StateReply(after);
    } catch (const json::parse_error& error) {
        RequestError refused(400, std::string("the body is not JSON: ") + error.what());
        Refused(refused);
        return [refused] { return ErrorReply(refused.Status(), refused.what()); };
    } catch (const RequestError& refused) {
        Refused(refused);
        return [refused] { return ErrorReply(refused.Status(), refused.what()); };
    }
}

ReplyMaker HostLoop::OpenUpload(const std::string& name, const std::string& text, long after) {
    try {
        static const std::regex kName(R"([A-Za-z0-9_][A-Za-z0-9_ .-]{0,99}\.[oO][bB][jJ])");
        if (!std::regex_match(name, kName))
            throw RequestError(400, "\"" + name + "\" is not a file name ending in .obj");
        host_tool::ObjImport import;
        try {
            import = host_tool::ReadObjText(text, name);
        } catch (const host_tool::SessionError& error) {
            throw RequestError(400, error.what());
        }
        ++status_.version;
        if (!running_.empty()) running_.back().interim = StateReply(after);
        const bool nested = !levels_.empty();
        console_.Flush();
        console_.Add(nested ? "say" : "event",
                     (nested ? std::string(Where(levels_.back()->entry)) + ": " : std::string()) +
                         "open " + name + " (uploaded from the page)");
        record_.BeginCommand();
        try {
            host_tool::OpenImported(session_, import);
        } catch (const host_tool::SessionError& error) {
            record_.EndCommand({}, false);
            throw RequestError(409, error.what());
        }
        record_.EndCommand("open " + CommandLine({name}), true);
        if (session_.Plugin().IsLoaded()) Execute({"draw"});
        return StateReply(after);
    } catch (const RequestError& refused) {
        Refused(refused);
        return [refused] { return ErrorReply(refused.Status(), refused.what()); };
    }
}

ReplyMaker HostLoop::Script() {
    Reply reply;
    reply.contentType = "text/plain; charset=utf-8";
    reply.body = record_.Text();
    reply.headers.emplace_back("Content-Disposition", "attachment; filename=\"session.tps\"");
    return [reply] { return reply; };
}

// --- The console --------------------------------------------------------------------

void HostLoop::TellBreach(const std::string& report) {
    console_.Flush();
    std::size_t start = report.find('\n');
    while (start != std::string::npos) {
        std::size_t end = report.find('\n', start + 1);
        std::string line =
            report.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        if (line.compare(0, 2, "  ") == 0) line.erase(0, 2);
        console_.Add("breach", line);
        start = end;
    }
}

void HostLoop::TellSelectionCalls() {
    console_.Flush();
    sim::SelectionCalls calls = sim::TakeSelectionCalls();
    if (!calls.Any()) return;
    std::string line = "the plug-in";
    if (calls.clears > 0) line += " cleared the selection (" + std::to_string(calls.clears) + "x)";
    if (calls.vertices + calls.lines + calls.faces > 0)
        line += std::string(calls.clears > 0 ? " and" : "") + " selected " +
                std::to_string(calls.vertices) + " vertices, " + std::to_string(calls.lines) +
                " lines, " + std::to_string(calls.faces) + " faces";
    console_.Add("call", line);
}

void HostLoop::NoteObjectsSeen() {
    sim::DocumentModel& documents = sim::Documents();
    MQDocument doc = session_.Document();
    if (doc == nullptr) return;
    for (int i = 0; i < documents.ObjectCount(doc); ++i)
        if (MQObject object = documents.ObjectAt(doc, i))
            objectsSeen_.insert(documents.ObjectUniqueId(object));
}

}  // namespace serve
