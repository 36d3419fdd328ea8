#pragma once
#include <cstdint>
#include <optional>
#include <atomic>
#include <functional>

#include "batch/BatchThreads.h"
#include "batch/MemoryBudget.h"

// Runs a batch's photos side by side. Reading and decoding a photo uses one core; while it does,
// another photo is resized and written on the others: one worker per core, within the pixel
// budget, planned on the cores this process may use (its affinity, its cgroup's quota).
// The most conversions may hold together: budget, within the address space left under a limit
// (AddressSpaceLeft) once what the run's threads will map is set aside.
std::int64_t BudgetWithin(std::int64_t budget, std::optional<std::int64_t> addressSpaceLeft, int threads);
// What is set aside under an address-space limit: for the libraries' own mappings, and for each
// thread's stack and malloc arena (docs/memory.md).
inline constexpr std::int64_t kFixedReserveBytes = std::int64_t{48} << 20;
inline constexpr std::int64_t kReserveBytesPerThread = std::int64_t{16} << 20;

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
    // Whether a conversion holding bytes can be had at all: one over the whole budget under an
    // address-space limit would run memory out.
    bool Affords(std::int64_t bytes) const { return bytes <= budget_.Capacity(); }

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
