#include "bench/ConversionPhases.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "bench/MeasuredRun.h"
#include "system/PhaseTimes.h"

namespace {
double SteadyNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double BenchStart()
{
    const char* start = std::getenv(kBenchStartVariable);
    return start ? std::atof(start) : SteadyNow();
}
}  // namespace

void StartRecordingPhases()
{
    platform::RecordPhases(true);
}

double SecondsSinceBenchStart()
{
    return SteadyNow() - BenchStart();
}

void WritePhases(const std::string& path, double windowUp, double opened, double converted)
{
    const double start = BenchStart();
    std::ofstream out(path);
    out << windowUp << ' ' << opened;
    for (const double at : platform::RecordedPhases())
        out << ' ' << (at < 0 ? -1.0 : at - start);
    out << ' ' << converted << '\n';
}

bool ReadPhases(const std::string& path, double wholeSeconds, ConversionPhases& phases)
{
    std::ifstream in(path);
    for (std::size_t i = 0; i + 1 < ConversionPhases::kCount; ++i)
        if (!(in >> phases.at[i]))
            return false;
    phases.at[ConversionPhases::kCount - 1] = wholeSeconds;
    return true;
}

void PrintPhases(const std::vector<std::pair<std::string, std::vector<ConversionPhases>>>& kinds)
{
    std::printf("\n(a) where Pictorelle's time goes: seconds from the process's start, medians of each moment\n\n");
    std::printf("| kind | start-up (window up) | opening (preview) | decode and draw | write PNG | sync and name | "
                "conversion over | process ends |\n|---|---|---|---|---|---|---|---|\n");
    for (const auto& [kind, runs] : kinds) {
        if (runs.empty())
            continue;
        ConversionPhases m;
        for (std::size_t i = 0; i < ConversionPhases::kCount; ++i) {
            std::vector<double> v;
            for (const ConversionPhases& r : runs)
                v.push_back(r.at[i]);
            std::sort(v.begin(), v.end());
            m.at[i] = v[v.size() / 2];
        }
        const auto& a = m.at;
        std::printf("| %-10s | %.2f | %.2f-%.2f | %.2f-%.2f | %.2f-%.2f | %.2f-%.2f | %.2f | %.2f |\n", kind.c_str(),
                    a[0], a[0], a[1], a[2], a[3], a[4], a[5], a[5], a[7], a[8], a[9]);
    }
    std::fflush(stdout);
}
