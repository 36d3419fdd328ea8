#include "batch/BatchScheduler.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "imaging/ConversionMemory.h"
#include "system/AddressSpace.h"
#include "imaging/ImagingRuntime.h"
#include "imaging/ImagingThreads.h"

std::int64_t BudgetWithin(std::int64_t budget, std::optional<std::int64_t> addressSpaceLeft, int threads)
{
    if (!addressSpaceLeft)
        return budget;
    // What the threads yet to start map (their stacks, the C library's arenas) is not the
    // conversions' to hold.
    const std::int64_t reserved = kFixedReserveBytes + std::int64_t(std::max(threads, 1)) * kReserveBytesPerThread;
    return std::clamp<std::int64_t>(*addressSpaceLeft - reserved, 0, budget);
}

BatchScheduler::BatchScheduler(int photos) : BatchScheduler(photos, PlanBatchThreads(platform::UsableCores(), photos))
{
}

BatchScheduler::BatchScheduler(int photos, const BatchThreads& plan)
    : photos_(photos),
      previousPipelineThreads_(platform::PipelineThreads()),
      workers_(plan.sideBySide),
      pipelineThreads_(plan.pipelineThreads),
      writerShare_((plan.writerThreads + plan.sideBySide - 1) / plan.sideBySide),
      budget_(BudgetWithin(platform::BatchBudgetBytes(pipelineThreads_, writerShare_), platform::AddressSpaceLeft(),
                           plan.sideBySide * (pipelineThreads_ + writerShare_)))
{
    platform::SetPipelineThreads(plan.pipelineThreads);
}

BatchScheduler::~BatchScheduler()
{
    platform::SetPipelineThreads(previousPipelineThreads_);
}

void BatchScheduler::Run(const std::function<void(int index)>& convert)
{
    const auto work = [this, &convert] {
        for (int i = next_++; i < photos_; i = next_++)
            convert(i);
    };
    std::vector<std::thread> others;
    for (int k = 1; k < workers_; ++k)
        others.emplace_back([&work] {
            work();
            platform::EndImagingThread();
        });
    work();
    for (std::thread& t : others)
        t.join();
}
