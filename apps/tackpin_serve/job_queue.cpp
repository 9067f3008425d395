#include "apps/tackpin_serve/job_queue.h"

#include <nlohmann/json.hpp>

namespace serve {

namespace {
constexpr const char* kClosing = "the host is closing";
}

Reply ErrorReply(int status, const std::string& reason) {
    Reply reply;
    reply.status = status;
    reply.body = nlohmann::json{{"error", reason}}.dump();
    return reply;
}

Reply JobQueue::Post(Work work) {
    auto job = std::make_shared<Job>();
    job->work = std::move(work);
    std::future<Reply> reply = job->reply.get_future();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) return ErrorReply(503, kClosing);
        jobs_.push_back(job);
    }
    ready_.notify_one();
    return reply.get();
}

std::shared_ptr<Job> JobQueue::Take() {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
    if (stop_) return nullptr;
    std::shared_ptr<Job> job = std::move(jobs_.front());
    jobs_.pop_front();
    return job;
}

void JobQueue::RequestStop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    ready_.notify_all();
}

bool JobQueue::StopRequested() {
    std::lock_guard<std::mutex> lock(mutex_);
    return stop_;
}

void JobQueue::Close() {
    std::deque<std::shared_ptr<Job>> waiting;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
        waiting.swap(jobs_);
    }
    for (auto& job : waiting) job->reply.set_value(ErrorReply(503, kClosing));
}

}  // namespace serve
