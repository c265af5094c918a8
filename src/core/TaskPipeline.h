// TaskPipeline: runs the slow half of each page of an export (compressing it, writing its
// file) on worker threads while the caller builds the next page, and finishes each page on
// the caller's thread in the order submitted. Pages are independent until they are written,
// and the compression or the file system is most of an export's time, so a second core
// nearly halves it, and the output is the same bytes as when written one page at a time.
//
// Contract: submit() queues `work` for a worker and `done` for the caller; `done` runs on the
// caller's thread, in submission order, from a later submit() or finish(), after its `work`.
// At most two tasks per worker wait, so memory stays bounded whatever the page count. An
// exception from `work` or `done` is thrown from the submit()/finish() that meets it, and no
// later `done` runs; the destructor waits for the tasks in work and runs nothing more.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kalder {

class TaskPipeline {
public:
    using Task = std::function<void()>;

    // `workers` 0: one per processor, at most four.
    explicit TaskPipeline(unsigned workers = 0);
    ~TaskPipeline();
    TaskPipeline(const TaskPipeline&) = delete;
    TaskPipeline& operator=(const TaskPipeline&) = delete;

    void submit(Task work, Task done = {});
    // Waits for every queued task and runs its `done`.
    void finish();

private:
    struct Job {
        Task work, done;
        bool ready = false;
        std::exception_ptr error;
    };

    void run();
    // Runs the `done` of the finished tasks at the front, waiting while more than `keep` remain.
    void deliver(std::size_t keep);

    unsigned workerCount_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable wake_;   // workers: a task was queued, or stop
    std::condition_variable ready_;  // caller: a task finished
    std::deque<std::shared_ptr<Job>> queue_;  // in submission order, until delivered
    std::size_t taken_ = 0;                   // tasks at the queue's front a worker has taken
    bool stop_ = false;
};

}  // namespace kalder
