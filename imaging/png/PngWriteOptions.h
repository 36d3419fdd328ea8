#pragma once
#include "imaging/png/PngWriter.h"

// The PNG writer's arrangements: the program lets the writer choose; tests and the fuzz target
// choose each way in turn, so that every way is reached on any picture.
namespace platform {

// How rows are filtered and strips deflated: as the writer chooses (Up filters with fast matching
// for a picture where samples show it wins, else adaptive filters with each strip deflated as suits
// it), or all one way, so that tests can reach every way on any picture.
enum class PngDeflate { PerStrip, Runs, Matches, UpRows };

struct PngWriteOptions {
    unsigned threads = 0;        // 0: every core (std::thread::hardware_concurrency)
    int stripRows = 0;           // 0: a default sized for speed (about 1 MiB of filtered rows)
    int failAtStrip = -1;        // compressing this strip fails as if out of memory
    PngDeflate deflate = PngDeflate::PerStrip;
};

// WritePng with the given arrangement; the file is the same PNG whatever it is.
bool WritePng(const RgbRows& image, double dpi, const ByteSink& sink, const PngWriteOptions& options);

}  // namespace platform
