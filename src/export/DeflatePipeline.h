// DeflatePipeline: compresses page contents on worker threads while the caller builds the
// next pages, and hands each result back on the caller's thread in the order submitted. A
// PDF's pages are independent until they are written, and deflate is most of the time a
// page of barcodes or rulings takes, so a second core halves such an export.
//
// Contract: submit() queues one input and a `done` callback; `done` runs later on the
// caller's thread, in submission order, from submit() or finish(), with the zlib-wrapped
// deflate of that input (the same bytes as Deflater gives). At most a few inputs wait, so
// memory stays bounded whatever the page count. An error in compression or in a callback is
// thrown from the submit()/finish() that meets it; the pipeline is then unusable and its
// destructor stops the workers without running further callbacks.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kalder {

class DeflatePipeline {
public:
    using Done = std::function<void(const std::string& compressed)>;

    // `workers` 0: one per processor, at most four.
    explicit DeflatePipeline(int level, unsigned workers = 0);
    ~DeflatePipeline();
    DeflatePipeline(const DeflatePipeline&) = delete;
    DeflatePipeline& operator=(const DeflatePipeline&) = delete;

    void submit(std::string input, Done done);
    // Waits for every queued input and runs its callback.
    void finish();

private:
    struct Job {
        std::string input, output;
        Done done;
        bool ready = false;
        std::exception_ptr error;
    };

    void work();
    void start();
    // Runs the callbacks of the finished jobs at the front; with `wait`, waits until the
    // queue is no longer than `keep`.
    void deliver(std::size_t keep);

    int level_;
    unsigned workerCount_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable wake_;   // workers: a job was queued, or stop
    std::condition_variable ready_;  // caller: a job finished
    std::deque<std::shared_ptr<Job>> queue_;  // in submission order, until delivered
    std::size_t taken_ = 0;                   // jobs at the queue's front already taken by a worker
    bool stop_ = false;
};

}  // namespace kalder
