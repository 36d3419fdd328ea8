#pragma once

// The threads of a batch on cores usable cores: photos converting side by side, each on a thread
// of its own; libvips' threads per picture; and the PNG writer's helpers, drawn from one allowance
// of cores for the whole process (platform::TakeWriterThreads). Linear in the cores, never their
// square: side by side x (1 + libvips' threads and its write-behind thread + the thread that writes
// a picture while it is drawn) + the writer's.
struct BatchThreads {
    int sideBySide = 1;
    int pipelineThreads = 1;
    int writerThreads = 1;
    int most = 0;  // the most threads of ours at once; the process adds a fixed few of Qt's and GLib's
};

BatchThreads PlanBatchThreads(int cores, int photos);
