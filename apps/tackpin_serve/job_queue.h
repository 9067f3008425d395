// The host thread's queue: the HTTP server's threads post a job and wait for
// its reply; the host thread takes the jobs in arrival order and replies to
// each when it next waits for work. Nothing else crosses between threads.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace serve {

// An HTTP answer as the host thread makes it.
struct Reply {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// {"error": reason} with its status.
Reply ErrorReply(int status, const std::string& reason);

// Runs on the host thread and answers how to make the reply: the maker runs
// when the host thread next waits, so that the reply shows the host as it
// stands then (a question the job opened included).
using ReplyMaker = std::function<Reply()>;
using Work = std::function<ReplyMaker()>;

struct Job {
    Work work;
    std::promise<Reply> reply;
};

class JobQueue {
public:
    // An HTTP thread: posts the work and waits for its reply; 503 once the
    // host is closing.
    Reply Post(Work work);

    // The host thread: waits for the next job; null once a stop was asked.
    std::shared_ptr<Job> Take();
    // Any thread (the signal watcher): the host is to close.
    void RequestStop();
    bool StopRequested();
    // The host thread, closing: answers every job still waiting 503 and
    // every later one at once.
    void Close();

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::shared_ptr<Job>> jobs_;
    bool stop_ = false;
    bool closed_ = false;
};

}  // namespace serve
