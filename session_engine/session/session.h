// One run of the command-line host: the simulated host with the plug-in
// module loaded into it, the document the user works on, and the commands
// of the session language that drive both as the modeler and its user would.
#pragma once

#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "session_engine/pictures/view_camera.h"
#include "session_engine/session/arguments.h"
#include "simhost/documents/document_model.h"
#include "simhost/plugin_module.h"

namespace host_tool {

struct SessionOptions {
    std::string modulePath;    // the plug-in module to load
    std::string settingsPath;  // the host's settings file, kept between runs
    bool quiet = false;        // only what `print` and `expect` show, and errors
};

class Session;

// One command of the session language.
struct CommandEntry {
    const char* name;
    const char* usage;    // name and arguments, for help and error messages
    const char* summary;  // one line for help
    std::function<void(Session&, Arguments&)> run;
};

class Session {
public:
    Session(SessionOptions options, std::FILE* transcript, std::FILE* notes);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The host starts: reads its settings file, opens an empty document and
    // loads and initialises the plug-in module. Throws SessionError.
    void Open();
    // Carries out one command line given as words (none: nothing to do).
    // Throws SessionError, ExpectationFailed, or ContractBreach when the
    // plug-in breached the host contract during the command.
    void Execute(const std::vector<std::string>& words);
    // Carries out one command line while a question is open or a dialog
    // runs (what `inside` queued), told in the transcript after `where`. A
    // failure must not pass through the plug-in, which is waiting below: it
    // is kept and raised when the command that opened the question ends,
    // whether that command went well or not, and never after it.
    void ExecuteNested(const std::string& where, const std::vector<std::string>& words);
    // The host closes as it does at the end of a run: the exit event when the
    // plug-in was started, the settings file written, the module unloaded.
    // Throws like Execute.
    void Close();
    // The host closes and starts again as a new run: the plug-in exits and
    // is unloaded, the settings file is written and read back, and the new
    // run begins with an empty document and the module loaded again.
    void Restart();

    // Every command, in help order.
    const std::vector<CommandEntry>& Commands() const { return commands_; }

    // --- Output ---------------------------------------------------------------
    // A line of the transcript that reports what happened; left out when quiet.
    void Say(const std::string& line);
    // A line that a `print` asked for; always shown.
    void Show(const std::string& line);
    // A remark beside the transcript (pictures written, what this build lacks).
    void Note(const std::string& line);
    bool Quiet() const { return options_.quiet; }
    // Whether each command is repeated in the transcript (not at the prompt,
    // where the user has just typed it).
    void SetEcho(bool echo) { echo_ = echo; }

    // --- The host ---------------------------------------------------------------
    sim::PluginModule& Plugin() { return plugin_; }
    const SessionOptions& Options() const { return options_; }
    MQDocument Document() const { return document_; }
    MQScene Scene() const { return scene_; }
    // The view's options: what the view shows of the meshes, and what the
    // next draw event passes in its scene.
    sim::SceneOptions& ViewOptions() { return view_; }
    ViewCamera& Camera() { return camera_; }
    bool Started() const { return started_; }
    // The current object of the document; throws when there is none.
    MQObject CurrentObject() const;
    // An object of the document by its name, or by its index written in
    // brackets ("[2]"); throws when there is none.
    MQObject FindObject(const std::string& word) const;

    // Host events, each reported in the transcript.
    void Start();
    void Exit();
    void Unload();
    void LoadModule(const std::string& path);
    void NewDocument();
    // The host tells the plug-in that the document's meshes changed.
    void ReportEdit();
    // The marker row whose marker a drawing object of the last draw pass
    // shows, as the panel tells it (see DrawnRows); -1 when unknown.
    int MarkerRowOf(MQObject drawing) const;
    void SetMarkerRows(std::map<MQObject, int> rows) { markerRows_ = std::move(rows); }
    // The answer of the last host event or panel handler.
    int LastAnswer() const { return lastAnswer_; }
    void SetLastAnswer(int answer) { lastAnswer_ = answer; }

    // Files a script reads are found beside the script; at the prompt, in
    // the current folder. Pictures are written to the current folder.
    void SetScriptFolder(std::string folder) { scriptFolder_ = std::move(folder); }
    std::string InputPath(const std::string& path) const;

    // `quit` at the prompt or in a script: the session ends after this command.
    void RequestEnd() { endRequested_ = true; }
    bool EndRequested() const { return endRequested_; }

    // Throws SessionError unless the plug-in module is loaded.
    void RequireModule() const;
    // Throws SessionError unless the plug-in was started.
    void RequireStarted() const;
    // Throws SessionError, naming `command` and what to do instead, while a
    // question or the colour dialog of the plug-in is open: its handler
    // waits there, and the module and the host must outlive its return.
    void RefuseInModalRun(const std::string& command) const;

private:
    void LoadSettings();
    void SaveSettings();
    void CheckContract();
    // Tells what the plug-in asked of the host during a command.
    void TellHostRequests(int refreshesBefore, int noticesBefore);

    SessionOptions options_;
    std::FILE* transcript_;
    std::FILE* notes_;
    std::vector<CommandEntry> commands_;
    sim::PluginModule plugin_;
    MQDocument document_ = nullptr;
    MQScene scene_ = nullptr;
    sim::SceneOptions view_{1, 1, 1, 0, 0};
    bool endRequested_ = false;
    bool echo_ = true;
    std::string scriptFolder_;
    ViewCamera camera_;
    bool started_ = false;
    int lastAnswer_ = 0;
    std::size_t violationsSeen_ = 0;
    std::map<MQObject, int> markerRows_;
    std::exception_ptr nestedFailure_;
    // Where the nested command runs now ("inside the question"); empty at
    // the top.
    std::string inside_;
};

}  // namespace host_tool
