// Times Pictorelle's own conversion against ImageMagick and the libvips command-line tools doing
// the same work, each in its own process so that wall time and peak memory are its own.
//
//   pictorelle_bench [--keep DIR]
//
// Case (a): a photo-like 6000 x 4000 JPEG converted at full size, no rotation.
// Case (b): the same photo converted to 1920 x 1280 and rotated by 90 degrees.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vips/vips8>

#include "app/COrvanelDlg.h"
#include "platform/imaging/ImagingRuntime.h"
#include "platform/ui/Prompts.h"

namespace {

struct Run {
    double seconds = 0;
    double peakMiB = 0;
    long long bytes = 0;
    bool ok = false;
};

// Runs argv in a child process; wall time and the child's peak resident memory.
Run RunChild(const std::vector<std::string>& argv, const std::string& output)
{
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::fflush(stdout);  // or the child would print our buffered lines again
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.peakMiB = usage.ru_maxrss / 1024.0;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    r.bytes = QFileInfo(QString::fromStdString(output)).size();
    return r;
}

// Answers the open dialog with the photo; any message box means the conversion failed.
class BenchPrompts final : public platform::Prompts {
public:
    explicit BenchPrompts(QString photo) : photo_(std::move(photo)) {}
    bool failed = false;
    int MessageBox(QWidget*, const QString& text, const QString&, unsigned) override
    {
        std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
        failed = true;
        return platform::IDNO;
    }
    std::optional<QString> OpenFile(const platform::FileDialogRequest&) override { return photo_; }
    std::optional<QString> SaveFile(const platform::FileDialogRequest&) override { return std::nullopt; }

private:
    QString photo_;
};

// The child: opens the photo and converts it through the main window, as a user would.
int ConvertWithPictorelle(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Keep the run's settings out of the user's own.
    const QByteArray work = QFileInfo(argv[3]).absolutePath().toLocal8Bit();
    setenv("HOME", work.constData(), 1);
    setenv("XDG_CONFIG_HOME", work.constData(), 1);
    QApplication app(argc, argv);
    if (!platform::StartImaging(argv[0]))
        return 2;
    const QString in = argv[2], out = argv[3];
    auto prompts = std::make_unique<BenchPrompts>(in);
    BenchPrompts* p = prompts.get();
    platform::InstallPrompts(std::move(prompts));
    bool failed = false;
    {
        COrvanelDlg dlg;
        dlg.Create();
        dlg.OnBnClickedButtonOpenPhoto();
        dlg.SetDlgItemText(1005, argv[4]);
        dlg.SetDlgItemText(1006, argv[5]);
        dlg.SetDlgItemText(1003, out);
        const int radio = std::atoi(argv[6]) == 90 ? 1019 : 1018;
        qobject_cast<QAbstractButton*>(dlg.GetDlgItem(radio))->click();
        dlg.OnBnClickedButtonConvert();
        failed = p->failed;
    }
    platform::InstallPrompts(nullptr);
    platform::StopImaging();
    return failed ? 1 : 0;
}

// A 6000 x 4000 picture with the detail and smooth areas of a photo.
void MakePhoto(const std::string& path)
{
    using vips::VImage;
    const int w = 6000, h = 4000;
    std::vector<VImage> bands;
    for (int b = 0; b < 3; ++b) {
        VImage coarse = VImage::perlin(w, h, VImage::option()->set("cell_size", 700 + 150 * b)->set("seed", b + 1));
        VImage fine = VImage::perlin(w, h, VImage::option()->set("cell_size", 37 + 9 * b)->set("seed", b + 11));
        VImage grain = VImage::gaussnoise(w, h, VImage::option()->set("sigma", 4.0)->set("mean", 0.0)->set("seed", b + 21));
        bands.push_back(coarse * 150 + fine * 40 + grain + 128);
    }
    VImage photo = VImage::bandjoin(bands).cast(VIPS_FORMAT_UCHAR).copy(
        VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    photo.jpegsave(path.c_str(), VImage::option()->set("Q", 90));
}

bool Has(const char* tool)
{
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

void Report(const char* name, const Run& r, const Run& ours)
{
    if (!r.ok) {
        std::printf("  %-22s failed\n", name);
        return;
    }
    std::printf("  %-22s %8.2f s %9.1f MiB %10.2f MiB   ours/this: time %.3f  memory %.2f  size %.3f\n", name,
                r.seconds, r.peakMiB, r.bytes / 1048576.0, ours.seconds / r.seconds, ours.peakMiB / r.peakMiB,
                double(ours.bytes) / r.bytes);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 7 && std::string(argv[1]) == "--convert")
        return ConvertWithPictorelle(argc, argv);

    QTemporaryDir dir;
    std::string work = dir.path().toStdString();
    if (argc >= 3 && std::string(argv[1]) == "--keep")
        work = argv[2];
    if (VIPS_INIT(argv[0]))
        return 2;
    const std::string photo = work + "/photo.jpg";
    std::printf("making a 6000 x 4000 photo-like JPEG...\n");
    MakePhoto(photo);
    vips_shutdown();

    struct Case {
        const char* title;
        const char* width;
        const char* height;
        int angle;
    };
    const Case cases[] = {{"(a) 6000 x 4000, no rotation", "6000", "4000", 0},
                          {"(b) 1920 x 1280, rotated 90", "1920", "1280", 90}};
    for (const auto& c : cases) {
        std::printf("\n%s\n", c.title);
        const std::string ours = work + "/ours.png";
        std::remove(ours.c_str());
        const Run pic = RunChild({"/proc/self/exe", "--convert", photo, ours, c.width, c.height, std::to_string(c.angle)}, ours);
        std::printf("  %-22s %8.2f s %9.1f MiB %10.2f MiB%s\n", "pictorelle", pic.seconds, pic.peakMiB,
                    pic.bytes / 1048576.0, pic.ok ? "" : "  (failed)");
        if (Has("convert")) {
            const std::string out = work + "/magick.png";
            std::vector<std::string> args = {"convert", photo, "-resize", std::string(c.width) + "x" + c.height + "!"};
            if (c.angle)
                args.insert(args.end(), {"-rotate", "90"});
            args.push_back(out);
            Report("ImageMagick convert", RunChild(args, out), pic);
        }
        if (Has("vips")) {
            const std::string out = work + "/vips.png";
            Run r;
            if (c.angle == 0) {
                r = RunChild({"vips", "copy", photo, out}, out);
            } else {
                const std::string mid = work + "/mid.v";
                const Run a = RunChild({"vips", "thumbnail", photo, mid, c.width, "--height", c.height, "--size", "force"}, mid);
                const Run b = RunChild({"vips", "rot", mid, out, "d90"}, out);
                r = Run{a.seconds + b.seconds, std::max(a.peakMiB, b.peakMiB), b.bytes, a.ok && b.ok};
            }
            Report("libvips command line", r, pic);
        }
    }
    return 0;
}
