#pragma once
#include <atomic>
#include <functional>

#include "batch/BatchThreads.h"
#include "batch/MemoryBudget.h"

// Runs a batch's photos side by side. Reading and decoding a photo uses one core; while it does,
// another photo is resized and written on the others: one worker per core, within the pixel
// budget, planned on the cores this process may use (its affinity, its cgroup's quota).
class BatchScheduler {
public:
    // Plans the threads for that many photos, and sets libvips' threads per picture for as long
    // as it lives: the main window's later conversions run with the process's own.
    explicit BatchScheduler(int photos);
    ~BatchScheduler();
    BatchScheduler(const BatchScheduler&) = delete;
    BatchScheduler& operator=(const BatchScheduler&) = delete;

    // How many photos convert at once.
    int Workers() const { return workers_; }
    // libvips' threads for each picture.
    int PipelineThreads() const { return pipelineThreads_; }
    // The PNG writer's helpers of one conversion, its share of the allowance.
    int WriterShare() const { return writerShare_; }
    // What the conversions side by side hold together.
    MemoryBudget& Budget() { return budget_; }

    // Calls convert once with each photo's index, on Workers() threads (the calling one among
    // them), each taking the next photo until none is left; returns when all are done.
    void Run(const std::function<void(int index)>& convert);

private:
    BatchScheduler(int photos, const BatchThreads& plan);

    const int photos_;
    const int previousPipelineThreads_;
    const int workers_;
    const int pipelineThreads_;
    const int writerShare_;
    MemoryBudget budget_;
    std::atomic<int> next_{0};
};
