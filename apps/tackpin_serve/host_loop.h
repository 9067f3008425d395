// The host thread: runs the session with the plug-in loaded and carries out
// the page's jobs one at a time, in arrival order, replying to each when it
// next waits for work. When the plug-in asks a question or runs the colour
// dialog, it is the live user's turn: the thread runs a nested loop, as a
// real modal run does, delivering each job nested until one answers the
// question or ends the dialog.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "apps/tackpin_serve/action_translation.h"
#include "apps/tackpin_serve/console_log.h"
#include "apps/tackpin_serve/job_queue.h"
#include "apps/tackpin_serve/session_record.h"
#include "apps/tackpin_serve/state_json.h"
#include "session_engine/session/session.h"
#include "simhost/widgets/widget_dialogs.h"

namespace serve {

class HostLoop : public sim::LiveUser {
public:
    // `examplesFolder`: the OBJ files the page offers to open.
    HostLoop(host_tool::Session& session, JobQueue& queue, ConsoleLog& console,
             std::string examplesFolder);
    ~HostLoop() override;

    // The host starts, and runs the script (when one is named) as the
    // state the page first shows; its "render" lines are left out (the page
    // shows the view). Returns tackpin-host's exit status; a failure is
    // told on `errors`.
    int Start(const std::string& script, std::FILE* errors);
    // Serves jobs until a stop is asked, then closes the host as any host
    // closes. Returns the status of closing.
    int Serve(std::FILE* errors);

    // The jobs, run on the host thread; each answers how to make its reply.
    ReplyMaker State(long after);
    ReplyMaker Mesh(int uniqueId);
    ReplyMaker Act(const std::string& body, long after);
    ReplyMaker OpenUpload(const std::string& name, const std::string& text, long after);
    ReplyMaker Script();

    // The live user: a nested loop until the page answers.
    std::optional<int> AnswerMessageBox(const sim::MessageBoxRecord& box) override;
    std::optional<int> RunModal(int dialogId) override;

    const SessionRecord& Record() const { return record_; }

private:
    struct Level {
        ModalEntry entry;
        bool ended = false;
        std::optional<int> answer;
        std::optional<sim::RgbValue> rgb;  // the colour the user set in the dialog
        std::string answerLine;            // the answer as a script says it
    };

    // A job being carried out; when a dialog opens under it, it is replied
    // to with `interim` (the state with the dialog open) at once.
    struct Running {
        std::shared_ptr<Job> job;
        ReplyMaker interim;
        bool replied = false;
    };

    void Loop(Level* level);
    void RunJob(const std::shared_ptr<Job>& job);
    void Flush();
    void EndOnStop(Level& level);
    // Runs one command line at the depth open now and files it in the
    // record as `recorded`; throws what the session throws.
    void RunCommand(const std::vector<std::string>& words, const std::string& recorded);
    // The same for a job: a breach is told, a refusal thrown as RequestError 409.
    void Execute(const std::vector<std::string>& words);
    void CarryOut(const Translation& translation);
    void EndDialog(Level& level, std::optional<int> answer, const std::string& exit);
    void TellBreach(const std::string& report);
    void TellSelectionCalls();
    void Refused(const RequestError& error);
    ReplyMaker StateReply(long after);
    std::vector<ModalEntry> Modal() const;
    std::vector<std::string> Examples() const;
    void NoteObjectsSeen();

    host_tool::Session& session_;
    JobQueue& queue_;
    ConsoleLog& console_;
    std::string examplesFolder_;
    SessionRecord record_;
    StateBuilder builder_;
    HostStatus status_;
    std::vector<Level*> levels_;
    std::vector<std::pair<std::shared_ptr<Job>, ReplyMaker>> pending_;
    std::vector<Running> running_;  // the outermost first
    std::set<int> objectsSeen_;
    bool stopping_ = false;
};

}  // namespace serve
