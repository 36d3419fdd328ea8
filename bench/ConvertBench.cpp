// Times Pictorelle's own conversion against ImageMagick and the libvips command-line tools doing
// the same work, each in its own process so that wall time and peak memory are its own.
//
//   pictorelle_bench [--keep DIR] [--runs N] [--kind NAME]... [--make-only | --writer | --frontier [--program P]]
//
// It makes 6000 x 4000 pictures of several kinds (smooth, noisy, fine texture, screenshot), then
// converts each in two cases: (a) at full size with no rotation, (b) to 1920 x 1280 rotated by 90
// degrees. Each tool runs N times (3 by default); the medians are printed as a Markdown table.
// Case (a) is followed by where Pictorelle's time went: start-up, opening, the decode, the writing
// and the sync, as moments from the process's start, so that the decode and the writing are seen
// overlapping. Last, (c): how long opening each picture in the main window takes until its
// preview is painted.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vips/vips8>

#include "app/window/COrvanelDlg.h"
#include "bench/ConversionPhases.h"
#include "bench/MeasuredRun.h"
#include "bench/PhotoOnlyPrompts.h"
#include "bench/PngFrontier.h"
#include "bench/SubsampledJpeg.h"
#include "imaging/ImagingRuntime.h"
#include "services/Prompts.h"

namespace {


// One measured run of a tool, with the size of the file it wrote.
struct Run : MeasuredRun {
    long long bytes = 0;
};

Run RunChild(const std::vector<std::string>& argv, const std::string& output)
{
    Run r;
    static_cast<MeasuredRun&>(r) = RunMeasured(argv);
    r.bytes = QFileInfo(QString::fromStdString(output)).size();
    return r;
}

// Answers the open dialog with the photo; any message box means the conversion failed.

// The child: opens the photo and converts it through the main window, as a user would.
int ConvertWithPictorelle(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Keep the run's settings out of the user's own.
    const QByteArray work = QFileInfo(argv[3]).absolutePath().toLocal8Bit();
    setenv("HOME", work.constData(), 1);
    setenv("XDG_CONFIG_HOME", work.constData(), 1);
    StartRecordingPhases();
    QApplication app(argc, argv);
    if (!platform::StartImaging(argv[0]))
        return 2;
    const QString in = argv[2], out = argv[3];
    auto prompts = std::make_unique<PhotoOnlyPrompts>(in);
    PhotoOnlyPrompts* p = prompts.get();
    platform::InstallPrompts(std::move(prompts));
    bool failed = false;
    {
        COrvanelDlg dlg;
        dlg.Create();
        const double windowUp = SecondsSinceBenchStart();
        dlg.OnBnClickedButtonOpenPhoto();
        const double opened = SecondsSinceBenchStart();
        dlg.SetDlgItemText(1005, argv[4]);
        dlg.SetDlgItemText(1006, argv[5]);
        dlg.SetDlgItemText(1003, out);
        const int radio = std::atoi(argv[6]) == 90 ? 1019 : 1018;
        qobject_cast<QAbstractButton*>(dlg.GetDlgItem(radio))->click();
        dlg.OnBnClickedButtonConvert();
        failed = p->failed;
        WritePhases(std::string(argv[3]) + ".phases", windowUp, opened, SecondsSinceBenchStart());
    }
    platform::InstallPrompts(nullptr);
    platform::StopImaging();
    return failed ? 1 : 0;
}

constexpr int kWidth = 6000, kHeight = 4000;

vips::VImage Perlin(int cell, int seed)
{
    return vips::VImage::perlin(kWidth, kHeight, vips::VImage::option()->set("cell_size", cell)->set("seed", seed));
}

vips::VImage Grain(double sigma, int seed)
{
    return vips::VImage::gaussnoise(kWidth, kHeight,
                                    vips::VImage::option()->set("sigma", sigma)->set("mean", 0.0)->set("seed", seed));
}

vips::VImage AsRgb(const std::vector<vips::VImage>& bands)
{
    return vips::VImage::bandjoin(bands).cast(VIPS_FORMAT_UCHAR).copy(
        vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

// Large smooth shapes and mid-sized detail, as in a landscape; sigma > 0 adds sensor noise.
vips::VImage Landscape(double sigma)
{
    std::vector<vips::VImage> bands;
    for (int b = 0; b < 3; ++b) {
        vips::VImage px = Perlin(700 + 150 * b, b + 1) * 150 + Perlin(37 + 9 * b, b + 11) * 40 + 128;
        if (sigma > 0)
            px = px + Grain(sigma, b + 21);
        bands.push_back(px);
    }
    return AsRgb(bands);
}

// Detail down to a few pixels everywhere, as in foliage, gravel or fabric, with light noise.
vips::VImage FineTexture()
{
    std::vector<vips::VImage> bands;
    for (int b = 0; b < 3; ++b)
        bands.push_back(Perlin(900, b + 1) * 90 + Perlin(23, b + 31) * 50 + Perlin(5, b + 41) * 45 + Grain(2, b + 51) + 128);
    return AsRgb(bands);
}

// Flat panels, rules and anti-aliased text, as in a screenshot of a desktop.
vips::VImage Screenshot()
{
    using vips::VImage;
    VImage px = VImage::black(kWidth, kHeight, VImage::option()->set("bands", 3)) + std::vector<double>{236, 238, 241};
    px = px.cast(VIPS_FORMAT_UCHAR);
    const std::vector<double> colours[] = {{255, 255, 255}, {52, 101, 164}, {250, 250, 250}, {46, 52, 54}};
    px.draw_rect(colours[1], 0, 0, kWidth, 90, VImage::option()->set("fill", true));
    px.draw_rect(colours[3], 0, kHeight - 60, kWidth, 60, VImage::option()->set("fill", true));
    px.draw_rect(colours[2], 40, 130, 1400, kHeight - 230, VImage::option()->set("fill", true));
    const std::string words =
        "Pictorelle turns one photo into one 24-bit PNG. Open a photo, pick a frame, set the output "
        "width and height, a rotation and a flip, and press Convert. The conversion runs on every core. ";
    std::string paragraph;
    for (int i = 0; i < 6; ++i)
        paragraph += words;
    const VImage text = VImage::text(paragraph.c_str(), VImage::option()->set("width", 1900)->set("dpi", 110)
                                                             ->set("font", "DejaVu Sans 11"));
    const VImage cover = text * (-1.0 / 255) + 1;
    const VImage ink = VImage::bandjoin({cover, cover, cover});
    for (int panel = 0; panel < 2; ++panel) {
        const int left = 1500 + panel * 2240, top = 130;
        px.draw_rect(colours[0], left, top, 2200, kHeight - 230, VImage::option()->set("fill", true));
        px.draw_rect(colours[1], left, top, 2200, 4, VImage::option()->set("fill", true));
        for (int y = top + 40; y + text.height() < kHeight - 120; y += text.height() + 60) {
            const VImage area = px.extract_area(left + 150, y, text.width(), text.height());
            px = px.insert((area * ink).cast(VIPS_FORMAT_UCHAR), left + 150, y);
        }
    }
    for (int y = 160; y < kHeight - 140; y += 56)
        px.draw_rect(colours[3], 80, y, 600 + (y * 37) % 600, 14, VImage::option()->set("fill", true));
    return px.copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

struct Kind {
    const char* name;
    const char* file;
};

// The first four are JPEGs at quality 90 as libvips writes them, without chroma subsampling; the
// next ones are the noisy-4 picture as phones (4:2:0) and many cameras (4:2:2) write it, at quality
// 90 and 75, and a camera's with stronger sensor noise at 4:2:0. The screenshot is a PNG.
const Kind kKinds[] = {
    {"smooth", "smooth.jpg"},       {"noisy-4", "noisy4.jpg"},     {"noisy-8", "noisy8.jpg"},
    {"texture", "texture.jpg"},     {"420-q90", "n4-420-90.jpg"}, {"420-q75", "n4-420-75.jpg"},
    {"422-q90", "n4-422-90.jpg"},   {"422-q75", "n4-422-75.jpg"}, {"camera-420", "camera-420.jpg"},
    {"screenshot", "screenshot.png"},
};

// Sampling and quality of the subsampled kinds, or nothing for the others.
struct Subsampled {
    const char* kind;
    int lumaH, lumaV, quality;
    double sigma;
};
constexpr Subsampled kSubsampled[] = {
    {"420-q90", 2, 2, 90, 4}, {"420-q75", 2, 2, 75, 4}, {"422-q90", 2, 1, 90, 4},
    {"422-q75", 2, 1, 75, 4}, {"camera-420", 2, 2, 92, 8},
};

void MakePhoto(const std::string& kind, const std::string& path)
{
    for (const Subsampled& k : kSubsampled) {
        if (kind == k.kind) {
            SaveSubsampledJpeg(Landscape(k.sigma), path, k.quality, k.lumaH, k.lumaV);
            return;
        }
    }
    vips::VImage px = kind == "smooth" ? Landscape(0)
                      : kind == "noisy-4" ? Landscape(4)
                      : kind == "noisy-8" ? Landscape(8)
                      : kind == "texture" ? FineTexture()
                                          : Screenshot();
    if (kind == "screenshot")
        px.pngsave(path.c_str());
    else
        px.jpegsave(path.c_str(), vips::VImage::option()->set("Q", 90));
}

bool Has(const char* tool)
{
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

struct Tool {
    const char* name;
    std::vector<Run> runs;
};

// Medians over the runs: time and memory each on their own; the size never changes.
Run Median(std::vector<Run> runs)
{
    Run m;
    m.ok = !runs.empty();
    for (const Run& r : runs)
        m.ok = m.ok && r.ok;
    if (!m.ok)
        return m;
    const auto mid = [&](auto field) {
        std::vector<double> v;
        for (const Run& r : runs)
            v.push_back(field(r));
        std::sort(v.begin(), v.end());
        return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    };
    m.seconds = mid([](const Run& r) { return r.seconds; });
    m.peakMiB = mid([](const Run& r) { return r.peakMiB; });
    m.bytes = runs.front().bytes;
    return m;
}

void Report(const std::string& kind, const char* tool, const Run& r, const Run* ours)
{
    if (!r.ok) {
        std::printf("| %-10s | %-11s | failed | | | |\n", kind.c_str(), tool);
        return;
    }
    std::printf("| %-10s | %-11s | %6.2f s | %4.0f MiB | %6.2f MiB |", kind.c_str(), tool, r.seconds, r.peakMiB,
                r.bytes / 1048576.0);
    if (ours && ours->ok)
        std::printf(" %.3f, %.2f, %.3f |\n", ours->seconds / r.seconds, ours->peakMiB / r.peakMiB,
                    double(ours->bytes) / r.bytes);
    else
        std::printf(" |\n");
    std::fflush(stdout);
}

}  // namespace

// The child: opens the photo in the main window and prints the seconds until its preview is painted.
int OpenWithPictorelle(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QByteArray work = QDir::tempPath().toLocal8Bit();
    setenv("HOME", work.constData(), 1);
    setenv("XDG_CONFIG_HOME", work.constData(), 1);
    QApplication app(argc, argv);
    if (!platform::StartImaging(argv[0]))
        return 2;
    auto prompts = std::make_unique<PhotoOnlyPrompts>(argv[2]);
    PhotoOnlyPrompts* p = prompts.get();
    platform::InstallPrompts(std::move(prompts));
    double seconds = 0;
    {
        COrvanelDlg dlg;
        dlg.Create();
        const auto start = std::chrono::steady_clock::now();
        dlg.OnBnClickedButtonOpenPhoto();
        dlg.GetDlgItem(1002)->grab();  // paints the preview
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const bool failed = p->failed;
    platform::InstallPrompts(nullptr);
    platform::StopImaging();
    if (failed)
        return 1;
    std::printf("%.3f\n", seconds);
    return 0;
}

int main(int argc, char** argv)
{
    if (const auto code = TrampolineMain(argc, argv))
        return *code;
    if (argc >= 7 && std::string(argv[1]) == "--convert")
        return ConvertWithPictorelle(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--open")
        return OpenWithPictorelle(argc, argv);

    QTemporaryDir dir;
    std::string work = dir.path().toStdString();
    int runs = 3;
    std::vector<std::string> only;
    bool makeOnly = false, writer = false, frontier = false;
    std::string program = (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "pictorelle").string();
    for (int i = 1; i < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--make-only" || opt == "--writer" || opt == "--frontier") {
            (opt == "--make-only" ? makeOnly : opt == "--writer" ? writer : frontier) = true;
            --i;
            continue;
        }
        if (opt == "--program" && i + 1 < argc)
            program = argv[i + 1];
        if (i + 1 >= argc)
            break;
        if (opt == "--keep")
            work = argv[i + 1];
        else if (opt == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (opt == "--kind")
            only.push_back(argv[i + 1]);
    }
    if (VIPS_INIT(argv[0]))
        return 2;
    std::vector<Kind> kinds;
    for (const Kind& k : kKinds) {
        if (!only.empty() && std::find(only.begin(), only.end(), k.name) == only.end())
            continue;
        kinds.push_back(k);
        const std::string photo = work + "/" + k.file;
        if (QFileInfo::exists(QString::fromStdString(photo)))
            continue;  // kept from an earlier run with --keep
        std::fprintf(stderr, "making the %s photo, %d x %d...\n", k.name, kWidth, kHeight);
        MakePhoto(k.name, photo);
    }
    std::vector<BenchPicture> pictures;
    for (const Kind& k : kinds)
        pictures.push_back({k.name, work + "/" + k.file});
    if (writer)
        PrintWriterEfforts(pictures, runs);
    vips_shutdown();
    if (frontier)
        PrintPngFrontier(pictures, runs, program, work);
    if (makeOnly || writer || frontier)
        return 0;

    struct Case {
        const char* title;
        const char* width;
        const char* height;
        int angle;
    };
    const Case cases[] = {{"(a) 6000 x 4000, no rotation", "6000", "4000", 0},
                          {"(b) 1920 x 1280, rotated 90", "1920", "1280", 90}};
    const bool magick = Has("convert"), vipsCli = Has("vips");
    for (const auto& c : cases) {
        std::vector<std::pair<std::string, std::vector<ConversionPhases>>> phases;
        std::printf("\n%s, median of %d runs\n\n", c.title, runs);
        std::printf("| kind | tool | wall time | peak memory | PNG size | ours / this: time, memory, size |\n");
        std::printf("|---|---|---|---|---|---|\n");
        for (const Kind& k : kinds) {
            const std::string photo = work + "/" + k.file;
            Tool ours{"Pictorelle", {}}, im{"ImageMagick", {}}, vc{"libvips CLI", {}};
            phases.push_back({k.name, {}});
            // The tools take turns, so a change in the machine's load falls on all of them.
            for (int run = 0; run < runs; ++run) {
                const std::string out = work + "/ours.png";
                std::remove(out.c_str());
                ours.runs.push_back(RunChild(
                    {"/proc/self/exe", "--convert", photo, out, c.width, c.height, std::to_string(c.angle)}, out));
                ConversionPhases moments;
                if (ReadPhases(out + ".phases", ours.runs.back().seconds, moments))
                    phases.back().second.push_back(moments);
                if (magick) {
                    const std::string mout = work + "/magick.png";
                    std::vector<std::string> args = {"convert", photo, "-resize",
                                                     std::string(c.width) + "x" + c.height + "!"};
                    if (c.angle)
                        args.insert(args.end(), {"-rotate", "90"});
                    // PNG24: the same 24-bit RGB file as ours; on a picture of few colours ImageMagick
                    // would otherwise write a palette file, which is different work.
                    args.push_back("PNG24:" + mout);
                    im.runs.push_back(RunChild(args, mout));
                }
                if (vipsCli) {
                    const std::string vout = work + "/vips.png";
                    if (c.angle == 0) {
                        vc.runs.push_back(RunChild({"vips", "copy", photo, vout}, vout));
                    } else {
                        const std::string mid = work + "/mid.v";
                        const Run a = RunChild(
                            {"vips", "thumbnail", photo, mid, c.width, "--height", c.height, "--size", "force"}, mid);
                        const Run b = RunChild({"vips", "rot", mid, vout, "d90"}, vout);
                        Run both = b;
                        both.seconds = a.seconds + b.seconds;
                        both.peakMiB = std::max(a.peakMiB, b.peakMiB);
                        both.ok = a.ok && b.ok;
                        vc.runs.push_back(both);
                    }
                }
            }
            const Run pic = Median(ours.runs);
            Report(k.name, ours.name, pic, nullptr);
            if (magick)
                Report(k.name, im.name, Median(im.runs), &pic);
            if (vipsCli)
                Report(k.name, vc.name, Median(vc.runs), &pic);
        }
        if (c.angle == 0)
            PrintPhases(phases);
    }

    std::printf("\n(c) opening the photo in the window, median of %d runs\n\n", runs);
    std::printf("| kind | until its preview is painted | whole process (start, open, quit) |\n|---|---|---|\n");
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();  // popen runs a shell
    for (const Kind& k : kinds) {
        std::vector<double> inner, whole;
        for (int run = 0; run < runs; ++run) {
            const std::string command = "'" + self + "' --open '" + work + "/" + k.file + "' 2>/dev/null";
            const auto start = std::chrono::steady_clock::now();
            FILE* child = popen(command.c_str(), "r");
            double seconds = -1;
            if (child && std::fscanf(child, "%lf", &seconds) != 1)
                seconds = -1;
            if (child)
                pclose(child);
            whole.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            inner.push_back(seconds);
        }
        std::sort(inner.begin(), inner.end());
        std::sort(whole.begin(), whole.end());
        std::printf("| %-10s | %.3f s | %.3f s |\n", k.name, inner[inner.size() / 2], whole[whole.size() / 2]);
        std::fflush(stdout);
    }
    return 0;
}
