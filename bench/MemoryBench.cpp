// Peak memory of opening and converting at the largest sizes the limits accept, each in its own
// process, against the budget stated in imaging/ImagingLimits.h.
//
//   pictorelle_memory_bench [--keep DIR]
//
// The photo is a 32-byte lossless WebP of one colour that claims 16383 x 16383 pixels (the
// largest square within the pixel limit); cases: (1) opening it, (2) opening it and converting
// it to 16384 x 16384 rotated by 90 degrees, (3) converting a 64 x 64 one of the same kind to
// 16384 x 16384 rotated, where the output bitmap is all that is large, and (0) the window alone,
// for the start-up's share.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/window/COrvanelDlg.h"
#include "bench/MeasuredRun.h"
#include "bench/PhotoOnlyPrompts.h"
#include "imaging/ImagingLimits.h"
#include "imaging/ImagingRuntime.h"
#include "services/Prompts.h"

namespace {

constexpr int kPhotoSide = 16383;
constexpr int kOutputSide = 16384;

using Run = MeasuredRun;

// This program again, in one of its child stages.
Run RunSelf(const std::vector<std::string>& argv)
{
    std::vector<std::string> self = argv;
    self[0] = "/proc/self/exe";
    return RunMeasured(self);
}

// A lossless WebP of one colour at any size: no transform, five one-symbol prefix codes, so every
// pixel takes no bits at all.
QByteArray OneColourWebp(int width, int height)
{
    std::vector<int> bits;
    const auto put = [&](unsigned v, int n) {
        for (int k = 0; k < n; ++k)
            bits.push_back((v >> k) & 1);
    };
    put(0x2f, 8);
    put(width - 1, 14);
    put(height - 1, 14);
    put(0, 1 + 3 + 1 + 1 + 1);  // no alpha, version 0, no transform, no colour cache, no meta codes
    for (unsigned symbol : {77u, 30u, 200u, 255u, 0u}) {  // green, red, blue, alpha, distance
        put(1, 1);
        put(0, 1);
        put(symbol > 1, 1);
        put(symbol, symbol > 1 ? 8 : 1);
    }
    QByteArray payload((bits.size() + 7) / 8, '\0');
    for (std::size_t i = 0; i < bits.size(); ++i)
        payload[int(i / 8)] = char(payload[int(i / 8)] | (bits[i] << (i % 8)));
    const auto le32 = [](std::uint32_t v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(b, 4);
    };
    QByteArray chunk = "VP8L" + le32(payload.size()) + payload;
    if (payload.size() % 2)
        chunk += '\0';
    return "RIFF" + le32(4 + chunk.size()) + "WEBP" + chunk;
}


// The child: the window, then opening the photo, then converting it, as far as the case goes.
int Child(int argc, char** argv)
{
    const int stage = std::atoi(argv[2]);
    const QString in = argv[3], out = argv[4];
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QByteArray work = QFileInfo(out).absolutePath().toLocal8Bit();
    setenv("HOME", work.constData(), 1);
    setenv("XDG_CONFIG_HOME", work.constData(), 1);
    QApplication app(argc, argv);
    if (!platform::StartImaging(argv[0]))
        return 2;
    auto prompts = std::make_unique<PhotoOnlyPrompts>(in);
    PhotoOnlyPrompts* p = prompts.get();
    platform::InstallPrompts(std::move(prompts));
    bool failed = false;
    {
        COrvanelDlg dlg;
        dlg.Create();
        if (stage >= 1)
            dlg.OnBnClickedButtonOpenPhoto();
        if (stage >= 2) {
            dlg.SetDlgItemText(1005, QString::number(kOutputSide));
            dlg.SetDlgItemText(1006, QString::number(kOutputSide));
            dlg.SetDlgItemText(1003, out);
            qobject_cast<QAbstractButton*>(dlg.GetDlgItem(1019))->click();
            dlg.OnBnClickedButtonConvert();
            failed = !QFileInfo(out).isFile();
            std::fflush(stdout);
        }
        failed = failed || p->failed;
    }
    platform::InstallPrompts(nullptr);
    platform::StopImaging();
    return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (const auto code = TrampolineMain(argc, argv))
        return *code;
    if (argc >= 5 && std::string(argv[1]) == "--stage")
        return Child(argc, argv);
    QTemporaryDir dir;
    std::string work = dir.path().toStdString();
    if (argc >= 3 && std::string(argv[1]) == "--keep")
        work = argv[2];
    const std::string photo = work + "/claims_16383.webp";
    const std::string small = work + "/small.webp";
    const std::string out = work + "/out.png";
    for (const auto& [path, side] : {std::pair{photo, kPhotoSide}, std::pair{small, 64}}) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly) || file.write(OneColourWebp(side, side)) <= 0)
            return 2;
    }

    const double mib = 1048576.0;
    const double frame = double(kPhotoSide) * kPhotoSide * 4 / mib;
    const double bitmap = double(kOutputSide) * kOutputSide * 3 / mib;
    const double overhead = double(platform::kMemoryOverheadBytes) / mib;
    const Run base = RunSelf({"bench", "--stage", "0", photo, out});
    std::printf("window alone: %.1f MiB\n", base.peakMiB);
    struct Case {
        const char* title;
        const std::string& photo;
        int stage;
        double budget;  // beyond the window's own
    } cases[] = {{"(1) open the 16383 x 16383 WebP", photo, 1, frame + overhead},
                 {"(2) and convert to 16384 x 16384 rotated 90", photo, 2, frame + bitmap + overhead},
                 {"(3) 64 x 64 to 16384 x 16384 rotated 90", small, 2, bitmap + overhead}};
    for (const auto& c : cases) {
        std::remove(out.c_str());
        const Run r = RunSelf({"bench", "--stage", std::to_string(c.stage), c.photo, out});
        const double limit = base.peakMiB + c.budget;
        std::printf("%-48s %7.2f s %9.1f MiB   budget %9.1f MiB  %s%s\n", c.title, r.seconds, r.peakMiB, limit,
                    r.peakMiB <= limit ? "within" : "OVER", r.ok ? "" : "  (failed)");
    }
    return 0;
}
