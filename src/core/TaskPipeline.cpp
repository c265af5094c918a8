#include "core/TaskPipeline.h"

#include <algorithm>

namespace kalder {

namespace {
// Tasks waiting or in work per worker: enough to keep every worker busy while the caller
// builds the next page, few enough that memory does not grow with the page count.
constexpr std::size_t kQueuedPerWorker = 2;
}  // namespace

TaskPipeline::TaskPipeline(unsigned workers) : workerCount_(workers) {
    if (workerCount_ == 0) workerCount_ = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

TaskPipeline::~TaskPipeline() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    for (auto& w : workers_) w.join();
}

void TaskPipeline::run() {
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || taken_ < queue_.size(); });
            if (stop_) return;
            job = queue_[taken_++];
        }
        try {
            job->work();
        } catch (...) {
            job->error = std::current_exception();
        }
        job->work = nullptr;  // releases what the task held (a page's content) at once
        {
            std::lock_guard lock(mutex_);
            job->ready = true;
        }
        ready_.notify_one();
    }
}

void TaskPipeline::submit(Task work, Task done) {
    // Threads start with the first task, so an export that has none costs none.
    if (workers_.empty())
        for (unsigned i = 0; i < workerCount_; ++i) workers_.emplace_back([this] { run(); });
    auto job = std::make_shared<Job>();
    job->work = std::move(work);
    job->done = std::move(done);
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(job));
    }
    wake_.notify_one();
    deliver(kQueuedPerWorker * workerCount_);
}

void TaskPipeline::finish() { deliver(0); }

void TaskPipeline::deliver(std::size_t keep) {
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            if (queue_.empty()) return;
            if (queue_.size() > keep)
                ready_.wait(lock, [this] { return queue_.front()->ready; });
            else if (!queue_.front()->ready)
                return;
            job = std::move(queue_.front());
            queue_.pop_front();
            --taken_;
        }
        if (job->error) std::rethrow_exception(job->error);
        if (job->done) job->done();
    }
}

}  // namespace kalder
