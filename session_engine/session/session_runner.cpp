#include "session_engine/session/session_runner.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/tools/crash_note.h"
#include "session_engine/session/prompt_user.h"
#include "session_engine/session/script_words.h"
#include "session_engine/session/session_error.h"

namespace host_tool {

namespace {

// Carries out `step` and reports its failure with `where` in front; answers
// the status the failure calls for.
template <typename Step>
int Guarded(Session& session, const std::string& where, Step step) {
    try {
        step();
        return kStatusOk;
    } catch (const ContractBreach& breach) {
        session.Note(where + breach.what());
        return kStatusBreach;
    } catch (const ExpectationFailed& failed) {
        session.Note(where + failed.what());
        return kStatusFailed;
    } catch (const SessionError& error) {
        session.Note(where + error.what());
        return kStatusFailed;
    }
}

// The host closes at the end of the session; a failure there counts only
// when the session itself went well.
int CloseHost(Session& session, int status, const std::string& where) {
    int closing = Guarded(session, where, [&] { session.Close(); });
    return status != kStatusOk ? status : closing;
}

// What a crash while `line` runs leaves on the error output, the transcript
// up to that line being already out.
std::string CrashNote(const std::string& where, const std::string& line) {
    return "tackpin-host: " + where + "crashed while carrying out \"" + line +
           "\" (the transcript is out up to that line)";
}

}  // namespace

int RunScript(Session& session, const std::string& path) {
    const bool fromInput = path == "-";
    const std::string name = fromInput ? "<stdin>" : path;
    std::ifstream file;
    if (!fromInput) {
        file.open(path);
        if (!file) {
            session.Note("cannot read the script " + path);
            return kStatusFailed;
        }
    }
    std::istream& in = fromInput ? std::cin : file;
    if (!fromInput) session.SetScriptFolder(std::filesystem::path(path).parent_path().string());
    platform::InstallCrashNote();
    platform::SetCrashNote("tackpin-host: " + name + ": crashed while the host opened");
    int status = Guarded(session, name + ": ", [&] { session.Open(); });
    if (status != kStatusOk) return CloseHost(session, status, name + ": ");
    std::string line;
    int number = 0;
    while (status == kStatusOk && !session.EndRequested() && std::getline(in, line)) {
        ++number;
        const std::string where = name + ":" + std::to_string(number) + ": ";
        platform::SetCrashNote(CrashNote(where, line));
        status = Guarded(session, where, [&] { session.Execute(SplitWords(line)); });
    }
    platform::SetCrashNote("tackpin-host: " + name + ": crashed while the host closed");
    return CloseHost(session, status, name + ": at the end: ");
}

int RunPrompt(Session& session, LineInput& input) {
    platform::InstallCrashNote();
    // The person at the prompt answers the plug-in's questions; the host
    // forgets them when the prompt ends.
    PromptUser user(session, input);
    sim::Dialogs().SetLiveUser(&user);
    struct Forget {
        ~Forget() { sim::Dialogs().SetLiveUser(nullptr); }
    } forget;
    int status = Guarded(session, "", [&] { session.Open(); });
    if (status != kStatusOk) return CloseHost(session, status, "");
    session.Say("type \"help\" for the commands, \"quit\" to end");
    if (!LineEditingAvailable())
        session.Note(
            "this build reads plain lines at the prompt (libedit is built for Linux only)");
    session.SetEcho(false);
    std::string line;
    while (!session.EndRequested() && input.Next("tackpin> ", line)) {
        platform::SetCrashNote(CrashNote("", line));
        Guarded(session, "", [&] { session.Execute(SplitWords(line)); });
    }
    platform::SetCrashNote("tackpin-host: crashed while the host closed");
    return CloseHost(session, kStatusOk, "");
}

}  // namespace host_tool
