#pragma once
#include <array>
#include <string>
#include <vector>

// Where the time of one conversion in the window goes, in seconds from the moment the benchmark
// started its process: the window up, the photo opened (its preview decoded), the drawing (the
// frame's decode), the writing of the PNG, its sync, its name published, the conversion over.
struct ConversionPhases {
    static constexpr std::size_t kCount = 10;
    // windowUp, opened, drawStarted, drawEnded, writeStarted, writeEnded, syncEnded, published,
    // converted, and the process's end (the whole wall time, filled in by the benchmark)
    std::array<double, kCount> at{};
};

// The child's side: records the library's marks from here on; then writes them with its own.
void StartRecordingPhases();
double SecondsSinceBenchStart();
void WritePhases(const std::string& path, double windowUp, double opened, double converted);

// The benchmark's side: the child's phases, with the process's end; nothing when it wrote none.
bool ReadPhases(const std::string& path, double wholeSeconds, ConversionPhases& phases);
// A Markdown table of the medians of each moment, one row a kind.
void PrintPhases(const std::vector<std::pair<std::string, std::vector<ConversionPhases>>>& kinds);
