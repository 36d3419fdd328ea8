#include "bench/PngFrontier.h"

#include <vips/vips8>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "bench/MeasuredRun.h"
#include "imaging/png/PngWriter.h"

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

const char* EffortName(platform::PngEffort e)
{
    return e == platform::PngEffort::Fast ? "fast" : e == platform::PngEffort::Smallest ? "smallest" : "normal";
}

struct Setting {
    std::string tool;   // as printed
    std::string label;  // the setting
    std::vector<std::string> argv;  // with IN and OUT for the paths
};

std::vector<Setting> Peers()
{
    std::vector<Setting> peers;
    for (const char* level : {"1", "6", "9"})
        for (const char* filter : {"none", "all"})
            peers.push_back({"libvips CLI", std::string("compression ") + level + ", filter " + filter,
                             {"vips", "copy", "IN", std::string("OUT[compression=") + level + ",filter=" + filter + "]"}});
    // ImageMagick's PNG quality: the tens are zlib's level, 5 its adaptive filter.
    for (const char* quality : {"15", "55", "75", "95"})
        peers.push_back({"ImageMagick", std::string("-quality ") + quality,
                         {"convert", "IN", "-quality", quality, "PNG24:OUT"}});
    return peers;
}

std::vector<std::string> Fill(std::vector<std::string> argv, const std::string& in, const std::string& out)
{
    for (std::string& a : argv) {
        if (a == "IN")
            a = in;
        else if (const auto at = a.find("OUT"); at != std::string::npos)
            a.replace(at, 3, out);
    }
    return argv;
}

struct Measured {
    double seconds = 0;
    long long bytes = 0;
    bool ok = false;
};

Measured Measure(const std::vector<std::string>& argv, const std::string& out, int runs)
{
    std::vector<double> times;
    Measured m;
    for (int i = 0; i < runs; ++i) {
        std::filesystem::remove(out);
        const MeasuredRun r = RunMeasured(argv);
        std::error_code ec;
        const auto size = std::filesystem::file_size(out, ec);
        if (!r.ok || ec)
            return m;
        times.push_back(r.seconds);
        m.bytes = static_cast<long long>(size);
    }
    m.seconds = Median(times);
    m.ok = true;
    return m;
}

}  // namespace

void PrintWriterEfforts(const std::vector<BenchPicture>& pictures, int runs)
{
    using platform::PngEffort;
    std::printf("\nThe PNG writer alone, in this process, from decoded pixels (median of %d runs)\n\n", runs);
    std::printf("| kind | effort | time | size | time, size / normal's |\n|---|---|---|---|---|\n");
    for (const BenchPicture& p : pictures) {
        vips::VImage rgb = vips::VImage::new_from_file(p.path.c_str()).colourspace(VIPS_INTERPRETATION_sRGB);
        if (rgb.bands() > 3)
            rgb = rgb.extract_band(0, vips::VImage::option()->set("n", 3));
        size_t bytes = 0;
        auto* pixels = static_cast<std::uint8_t*>(rgb.write_to_memory(&bytes));
        double normalTime = 0;
        long long normalSize = 0;
        for (const PngEffort effort : {PngEffort::Normal, PngEffort::Fast, PngEffort::Smallest}) {
            std::vector<double> times;
            long long size = 0;
            for (int i = 0; i < runs; ++i) {
                platform::RgbRows rows{pixels, rgb.width(), rgb.height(), std::ptrdiff_t{3} * rgb.width()};
                rows.effort = effort;
                long long written = 0;
                const auto start = std::chrono::steady_clock::now();
                platform::WritePng(rows, 96, [&](const std::uint8_t*, std::size_t n) {
                    written += static_cast<long long>(n);
                    return true;
                });
                times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
                size = written;
            }
            const double t = Median(times);
            if (effort == PngEffort::Normal) {
                normalTime = t;
                normalSize = size;
            }
            std::printf("| %-10s | %-8s | %6.3f s | %7.2f MiB | %.3f, %.3f |\n", p.kind.c_str(), EffortName(effort), t,
                        size / 1048576.0, t / normalTime, double(size) / normalSize);
            std::fflush(stdout);
        }
        g_free(pixels);
    }
}

void PrintPngFrontier(const std::vector<BenchPicture>& pictures, int runs, const std::string& program,
                      const std::string& work)
{
    std::printf("\nFull size from the command line: every setting's wall time and size (medians of %d runs "
                "for ours and for peer settings within twice Normal's time)\n\n", runs);
    std::printf("| kind | tool | setting | time | size | time, size / normal's |\n|---|---|---|---|---|---|\n");
    const std::string out = work + "/frontier.png";
    for (const BenchPicture& p : pictures) {
        Measured normal;
        for (const char* effort : {"normal", "fast", "smallest"}) {
            const Measured m = Measure({program, "--convert", p.path, "--png", effort, "--output", out, "--overwrite",
                                        "--quiet"}, out, runs);
            if (std::string(effort) == "normal")
                normal = m;
            std::printf("| %-10s | Pictorelle | %-21s | %6.2f s | %6.2f MiB | %.3f, %.3f |\n", p.kind.c_str(), effort,
                        m.seconds, m.bytes / 1048576.0, m.seconds / normal.seconds, double(m.bytes) / normal.bytes);
            std::fflush(stdout);
        }
        std::vector<std::string> dominating;
        for (const Setting& s : Peers()) {
            const auto argv = Fill(s.argv, p.path, out);
            Measured m = Measure(argv, out, 1);
            if (m.ok && m.seconds < 2 * normal.seconds && runs > 1)
                m = Measure(argv, out, runs);  // a close call: as many runs as ours
            if (!m.ok) {
                std::printf("| %-10s | %s | %-21s | failed | | |\n", p.kind.c_str(), s.tool.c_str(), s.label.c_str());
                continue;
            }
            std::printf("| %-10s | %s | %-21s | %6.2f s | %6.2f MiB | %.3f, %.3f |\n", p.kind.c_str(), s.tool.c_str(),
                        s.label.c_str(), m.seconds, m.bytes / 1048576.0, m.seconds / normal.seconds,
                        double(m.bytes) / normal.bytes);
            std::fflush(stdout);
            if (m.seconds < normal.seconds && m.bytes < normal.bytes)
                dominating.push_back(s.tool + " " + s.label);
        }
        std::printf("| %-10s | beats Normal on both | ", p.kind.c_str());
        if (dominating.empty())
            std::printf("none");
        for (std::size_t i = 0; i < dominating.size(); ++i)
            std::printf("%s%s", i ? "; " : "", dominating[i].c_str());
        std::printf(" | | | |\n");
        std::fflush(stdout);
    }
}
