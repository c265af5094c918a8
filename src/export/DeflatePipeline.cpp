#include "export/DeflatePipeline.h"

#include <algorithm>

#include "export/Deflater.h"

namespace kalder {

namespace {
// Inputs waiting or in work per worker: enough to keep every worker busy while the caller
// builds the next page, few enough that memory does not grow with the page count.
constexpr std::size_t kQueuedPerWorker = 2;
}  // namespace

DeflatePipeline::DeflatePipeline(int level, unsigned workers) : level_(level), workerCount_(workers) {
    if (workerCount_ == 0) workerCount_ = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

DeflatePipeline::~DeflatePipeline() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    for (auto& w : workers_) w.join();
}

void DeflatePipeline::start() {
    // Threads start with the first page, so a writer that never writes one costs none.
    for (unsigned i = 0; i < workerCount_; ++i) workers_.emplace_back([this] { work(); });
}

void DeflatePipeline::work() {
    Deflater deflater(level_);
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || taken_ < queue_.size(); });
            if (stop_) return;
            job = queue_[taken_++];
        }
        try {
            deflater.compress(job->input, job->output);
        } catch (...) {
            job->error = std::current_exception();
        }
        job->input = std::string();
        {
            std::lock_guard lock(mutex_);
            job->ready = true;
        }
        ready_.notify_one();
    }
}

void DeflatePipeline::submit(std::string input, Done done) {
    if (workers_.empty()) start();
    auto job = std::make_shared<Job>();
    job->input = std::move(input);
    job->done = std::move(done);
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(job));
    }
    wake_.notify_one();
    deliver(kQueuedPerWorker * workerCount_);
}

void DeflatePipeline::finish() { deliver(0); }

void DeflatePipeline::deliver(std::size_t keep) {
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
        job->done(job->output);
    }
}

}  // namespace kalder
