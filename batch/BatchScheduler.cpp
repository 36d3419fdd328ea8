#include "batch/BatchScheduler.h"

#include <thread>
#include <vector>

#include "imaging/ConversionMemory.h"
#include "imaging/ImagingRuntime.h"
#include "imaging/ImagingThreads.h"

BatchScheduler::BatchScheduler(int photos) : BatchScheduler(photos, PlanBatchThreads(platform::UsableCores(), photos))
{
}

BatchScheduler::BatchScheduler(int photos, const BatchThreads& plan)
    : photos_(photos),
      previousPipelineThreads_(platform::PipelineThreads()),
      workers_(plan.sideBySide),
      pipelineThreads_(plan.pipelineThreads),
      writerShare_((plan.writerThreads + plan.sideBySide - 1) / plan.sideBySide),
      budget_(platform::BatchBudgetBytes(pipelineThreads_, writerShare_))
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
