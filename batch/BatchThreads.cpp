#include "batch/BatchThreads.h"

#include <algorithm>

BatchThreads PlanBatchThreads(int cores, int photos)
{
    BatchThreads plan;
    cores = std::max(cores, 1);
    plan.sideBySide = std::clamp(photos, 1, cores);
    // The cores left over when fewer photos than cores convert go to each picture's libvips threads.
    plan.pipelineThreads = std::max(1, cores / plan.sideBySide);
    plan.writerThreads = cores;
    // Each conversion: its own thread, libvips' threads and write-behind thread, and the thread
    // that writes a picture while it is drawn.
    plan.most = plan.sideBySide * (1 + plan.pipelineThreads + 1 + 1) + plan.writerThreads;
    return plan;
}
