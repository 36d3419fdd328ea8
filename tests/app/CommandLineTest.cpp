// Conversion from the command line: the parser's answers, and the program itself run as a subprocess.
#include <sys/resource.h>
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <thread>

#include <QDeadlineTimer>
#include <QDir>
#include <QRect>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>
#include <gtest/gtest.h>
#include <vips/vips8>

#include "support/CLanguageProbe.h"

#include "lang/BaseFolder.h"
#include "batch/BatchThreads.h"
#include "app/cli/CommandLine.h"
#include "batch/RequestOptions.h"
#include "batch/MemoryBudget.h"
#include "imaging/ConversionMemory.h"
#include "imaging/ImagingLimits.h"
#include "app/cli/ProgressLine.h"
#include "lang/CLanguage.h"
#include "imaging/ImagingThreads.h"
#include "res/ResourceIds.h"
#include "support/BayerDng.h"
#include "support/ExifTool.h"
#include "support/Fixtures.h"
#include "support/ScratchMount.h"
#include "support/JpegDamage.h"

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

class CommandLineTest : public ::testing::Test {
protected:
    QString TempPath(const QString& name) const { return dir_.filePath(name); }

    // The program with arguments, in the test's HOME, in the C locale unless extraEnv names one,
    // and with no display to be found; with fileSizeLimit, every write past that many bytes of a
    // file fails as on a full disk.
    Outcome Pictorelle(const QStringList& arguments, const QList<QPair<QString, QString>>& extraEnv = {},
                       rlim_t fileSizeLimit = RLIM_INFINITY) const
    {
        return Run(Binary(), arguments, extraEnv, fileSizeLimit);
    }

    // The ThreadSanitizer run points this at its own build of the program.
    static QString Binary() { return qEnvironmentVariable("PICTORELLE_UNDER_TEST", QStringLiteral(PICTORELLE_BINARY)); }

    Outcome Run(const QString& program, const QStringList& arguments, const QList<QPair<QString, QString>>& extraEnv = {},
                rlim_t fileSizeLimit = RLIM_INFINITY, rlim_t addressSpace = RLIM_INFINITY) const
    {
        QProcess process;
        process.setChildProcessModifier([fileSizeLimit, addressSpace] {
            const struct rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);  // the program itself ignores SIGXFSZ
            const struct rlimit space{addressSpace, addressSpace};
            ::setrlimit(RLIMIT_AS, &space);
        });
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        for (const auto& [name, value] : extraEnv)
            env.insert(name, value);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir_.path());
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir dir_;
};

QString English(int id)
{
    CLanguage builtIn;
    return builtIn.GetString(id);
}

}  // namespace

TEST(CommandLine, APresetStartsTheChoicesAndLaterOptionsReplaceIts)
{
    const PresetLookup presets = [](const QString& name, QString& why) -> std::optional<QList<RequestOption>> {
        if (name != "web") {
            why = "no such preset";
            return std::nullopt;
        }
        return QList<RequestOption>{{"--fit", "1920x1920"}, {"--no-enlarge", std::nullopt}, {"--output-dir", "web"},
                                    {"--metadata", "no-location"}};
    };
    const CommandLine fit = ParseCommandLine({"--convert", "x.jpg", "--preset", "web"}, presets);
    ASSERT_EQ(fit.mode, CommandLine::Mode::Convert);
    EXPECT_TRUE(fit.request.fit && fit.request.noEnlarge);
    EXPECT_EQ(fit.request.width, 1920);
    EXPECT_EQ(fit.request.details, platform::DetailsChoice::NoLocation);

    // A size or an output given after the preset replaces the preset's, rather than clashing with it.
    const CommandLine wide = ParseCommandLine({"--convert", "x.jpg", "--preset=web", "--width", "800", "--output", "o.png"}, presets);
    ASSERT_EQ(wide.mode, CommandLine::Mode::Convert) << wide.error.text.toStdString();
    EXPECT_FALSE(wide.request.fit);
    EXPECT_EQ(wide.request.width, 800);
    EXPECT_EQ(wide.request.height, std::nullopt);
    EXPECT_TRUE(wide.request.outputFolder.isEmpty());
    EXPECT_TRUE(wide.request.noEnlarge) << "the rest of the preset stays";
    // Given before it, the same clash is the user's own.
    EXPECT_EQ(ParseCommandLine({"--convert", "x.jpg", "--width", "800", "--preset", "web"}, presets).mode, CommandLine::Mode::Invalid);
    EXPECT_EQ(ParseCommandLine({"--convert", "x.jpg", "--preset", "print"}, presets).error.text, "no such preset");
    // Beside the photos replaces the preset's folder, and an output after a preset beside them replaces that.
    const CommandLine beside = ParseCommandLine({"--convert", "x.jpg", "--preset", "web", "--beside-photos"}, presets);
    ASSERT_EQ(beside.mode, CommandLine::Mode::Convert) << beside.error.text.toStdString();
    EXPECT_TRUE(beside.request.besidePhotos && beside.request.outputFolder.isEmpty());
    RequestReader besideThenFile;
    ASSERT_TRUE(besideThenFile.ApplyPreset({{"--beside-photos", std::nullopt}}));
    ASSERT_TRUE(besideThenFile.Apply({"--output", "o.png"}) && besideThenFile.Check());
    EXPECT_FALSE(besideThenFile.Request().besidePhotos);

    // Kept without a photo, and never a window's option.
    const CommandLine keep = ParseCommandLine({"--save-preset", "mine", "--fit", "800x600", "--name", "{n:3}"});
    EXPECT_EQ(keep.mode, CommandLine::Mode::SavePreset);
    EXPECT_EQ(keep.savePreset, "mine");
    EXPECT_EQ(ParseCommandLine({"--save-preset", "mine", "x.jpg"}).mode, CommandLine::Mode::Invalid) << "converting needs --convert";
    EXPECT_EQ(ParseCommandLine({"--list-presets"}).mode, CommandLine::Mode::ListPresets);
    EXPECT_EQ(ParseCommandLine({"x.jpg", "--preset", "web"}).mode, CommandLine::Mode::Invalid);
    for (const char* pattern : {"a/b", "{when}", ""})
        EXPECT_EQ(ParseCommandLine({"--convert", "x.jpg", "--name", pattern}).mode, CommandLine::Mode::Invalid) << pattern;

    // What a preset keeps of a request reads back as the same request.
    RequestReader reader;
    ASSERT_TRUE(reader.ApplyPreset({{"--size", "640x480"}, {"--rotate", "90"}, {"--flip", "vertical"}, {"--text", "Hi, you"},
                                    {"--position", "bottom-left"}, {"--margin", "12"}, {"--font", ",5%,italic"},
                                    {"--color", "#12AB34"}, {"--file-date", "taken"}, {"--dpi", "300"},
                                    {"--name", "{date}_{name}"}, {"--overwrite", std::nullopt},
                                    {"--background", "#FFFFFF"}, {"--png", "smallest"}, {"--beside-photos", std::nullopt}}));
    EXPECT_EQ(reader.Request().background, qRgb(255, 255, 255));
    EXPECT_EQ(reader.Request().png, platform::PngEffort::Smallest);
    EXPECT_TRUE(reader.Request().besidePhotos);
    const QList<RequestOption> kept = PresetOptionsOf(reader.Request());
    RequestReader again;
    ASSERT_TRUE(again.ApplyPreset(kept));
    EXPECT_EQ(PresetOptionsOf(again.Request()), kept);
    // A preset kept before these existed reads as it always did: black, the normal PNG.
    const ConversionRequest plain = ParseCommandLine({"--convert", "x.jpg", "--preset", "web"}, presets).request;
    EXPECT_EQ(plain.background, qRgb(0, 0, 0));
    EXPECT_EQ(plain.png, platform::PngEffort::Normal);
    for (const RequestOption& option : PresetOptionsOf(plain))
        EXPECT_TRUE(option.name != "--background" && option.name != "--png") << "nothing said of them";
    EXPECT_TRUE(reader.Request().caption.italic && reader.Request().caption.family.isEmpty()) << "the system's face";
}

TEST(CommandLine, ReadsEveryOptionAndRefusesBadValues)
{
    EXPECT_EQ(ParseCommandLine({}).mode, CommandLine::Mode::Window);
    EXPECT_EQ(ParseCommandLine({"photo.jpg"}).mode, CommandLine::Mode::Window);
    EXPECT_EQ(ParseCommandLine({"--", "--convert"}).mode, CommandLine::Mode::Window) << "a photo named --convert";
    EXPECT_EQ(ParseCommandLine({"x.jpg", "--version"}).mode, CommandLine::Mode::Version);

    const CommandLine full = ParseCommandLine({"a.jpg", "--convert", "--size=640x480", "--rotate", "270", "--flip",
                                               "vertical", "--frame", "2", "--text", "Hi", "--position", "5,7",
                                               "--font", "DejaVu Sans,24,italic,bold", "--color", "#FF8000",
                                               "--overwrite", "--quiet", "--output-dir", "out", "--", "--b.jpg"});
    ASSERT_EQ(full.mode, CommandLine::Mode::Convert);
    const ConversionRequest& r = full.request;
    EXPECT_EQ(r.photos, QStringList({"a.jpg", "--b.jpg"}));
    EXPECT_EQ(r.width, 640);
    EXPECT_EQ(r.height, 480);
    EXPECT_EQ(r.rotate, 270);
    EXPECT_EQ(r.flip, 2);
    EXPECT_EQ(r.frame, 2);
    EXPECT_EQ(r.text, "Hi");
    EXPECT_EQ(r.caption.place, CaptionPlace::AtPoint);
    EXPECT_EQ(r.caption.x, 5);
    EXPECT_EQ(r.caption.y, 7);
    EXPECT_EQ(r.caption.family, "DejaVu Sans");
    EXPECT_EQ(r.caption.size, (CaptionLength{24, false}));
    EXPECT_TRUE(r.caption.bold && r.caption.italic);
    EXPECT_EQ(r.caption.colour, QColor(255, 128, 0));
    const ConversionRequest placed =
        ParseCommandLine({"--convert", "a", "--position", "bottom-right", "--margin", "3%", "--font", "A,B,5%"}).request;
    EXPECT_EQ(placed.caption.place, CaptionPlace::BottomRight);
    EXPECT_EQ(placed.caption.margin, (CaptionLength{3, true}));
    EXPECT_EQ(placed.caption.family, "A,B");
    EXPECT_EQ(placed.caption.size, (CaptionLength{5, true}));
    EXPECT_TRUE(r.overwrite && r.quiet);
    EXPECT_EQ(r.outputFolder, "out");
    const ConversionRequest packed =
        ParseCommandLine({"--convert", "a", "--png=fast", "--background", "#00ff80", "--beside-photos"}).request;
    EXPECT_EQ(packed.png, platform::PngEffort::Fast);
    EXPECT_EQ(packed.background, qRgb(0, 255, 128));
    EXPECT_TRUE(packed.besidePhotos);
    EXPECT_EQ(r.png, platform::PngEffort::Normal);
    EXPECT_EQ(r.background, qRgb(0, 0, 0));

    const struct {
        QStringList args;
        int messageId;
        const char* text;
    } bad[] = {
        {{"--width", "-5"}, IDS_STRING111, ""},
        {{"--width", "0"}, IDS_STRING111, ""},
        {{"--width", "12px"}, IDS_STRING111, ""},
        {{"--width", "4294967297"}, IDS_STRING111, ""},
        {{"--height", "2147483648"}, IDS_STRING112, ""},
        {{"--size", "640"}, IDS_STRING112, ""},
        {{"--size", "x480"}, IDS_STRING111, ""},
        {{"--rotate", "45"}, IDS_STRING116, ""},
        {{"--frame", "-1"}, IDS_STRING121, ""},
        {{"--position", "5"}, IDS_STRING123, ""},
        {{"--position", "5,-1"}, IDS_STRING124, ""},
        {{"--flip", "diagonal"}, 0, "unknown flip 'diagonal'"},
        {{"--font", "Sans,0"}, 0, "invalid font"},
        {{"--font", "Sans,99999"}, 0, "invalid font"},
        {{"--font", "Sans,101%"}, 0, "invalid font"},
        {{"--position", "middle"}, 0, "invalid position 'middle'"},
        {{"--margin", "-1"}, 0, "invalid margin"},
        {{"--color", "red"}, 0, "invalid color"},
        {{"--colour", "#000000"}, 0, "unrecognized option '--colour'"},
        {{"--quiet=yes"}, 0, "doesn't allow an argument"},
        {{"--output", ""}, 0, "needs a name"},
        {{"--size", "5x5", "--width", "5"}, 0, "cannot be combined"},
        {{"--output", "o.png", "b.jpg"}, 0, "use --output-dir"},
        {{"--text"}, 0, "requires an argument"},
        {{"-w", "100"}, 0, "unrecognized option '-w'"},
        {{"--output", "x.jpg"}, 0, "'x.jpg' does not end in .png"},
        {{"--fit", "800"}, IDS_STRING112, ""},
        {{"--fit", "800x600", "--height", "5"}, 0, "--fit cannot be combined"},
        {{"-r=1"}, 0, "unrecognized option '-r=1'"},
        {{"--beside-photos", "--output-dir", "o"}, 0, "--beside-photos cannot be combined with --output-dir: it writes"},
        {{"--output", "o.png", "--beside-photos"}, 0, "--beside-photos cannot be combined with --output: it writes"},
        {{"--background", "#FFF"}, 0, "invalid background '#FFF'"},
        {{"--png", "best"}, 0, "unknown PNG effort 'best': use fast, normal or smallest"},
    };
    for (const auto& c : bad) {
        const CommandLine line = ParseCommandLine(QStringList{"--convert", "a.jpg"} + c.args);
        EXPECT_EQ(line.mode, CommandLine::Mode::Invalid) << c.args.join(' ').toStdString();
        EXPECT_EQ(line.error.messageId, c.messageId) << c.args.join(' ').toStdString();
        EXPECT_TRUE(line.error.text.contains(c.text)) << line.error.text.toStdString();
    }
    EXPECT_EQ(ParseCommandLine({"--convert"}).error.text, "no photo to convert");
    EXPECT_EQ(ParseCommandLine({"--convert", "-", "--output-dir", "o", "--", "-w"}).request.photos,
              (QStringList{"-", "-w"}));
    EXPECT_EQ(ParseCommandLine({"--convert", "a.jpg", "--output", "O.PnG"}).request.outputFile, "O.PnG");
    // The window ignores conversion options: such a command line is a mistake, not a window.
    const CommandLine noConvert = ParseCommandLine({"photo.jpg", "--width=100"});
    EXPECT_EQ(noConvert.mode, CommandLine::Mode::Invalid);
    EXPECT_EQ(noConvert.error.text, "option '--width' converts without a window: add --convert");
    EXPECT_EQ(ParseCommandLine({"--", "--width"}).mode, CommandLine::Mode::Window) << "a photo named --width";
    const CommandLine fit = ParseCommandLine({"--convert", "-r", "trip", "--fit=800x600", "--no-enlarge"});
    EXPECT_TRUE(fit.request.recursive);
    const SizeRule rule = SizeRuleOf(fit.request);
    EXPECT_EQ(rule.mode, SizeRule::Mode::Fit);
    EXPECT_EQ(QSize(rule.width, rule.height), QSize(800, 600));
    EXPECT_TRUE(rule.noEnlarge);
    EXPECT_EQ(SizeRuleOf(ParseCommandLine({"--convert", "a", "--width", "5", "--height", "7"}).request).mode,
              SizeRule::Mode::Exact);
    EXPECT_EQ(SizeRuleOf(ParseCommandLine({"--convert", "a", "--height", "7"}).request).mode, SizeRule::Mode::Height);
    EXPECT_EQ(ParseCommandLine({"-r", "trip"}).mode, CommandLine::Mode::Invalid) << "-r converts";
    EXPECT_EQ(ParseWholeNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseWholeNumber("+5"), std::nullopt);
    EXPECT_EQ(ParseWholeNumber(" 5"), std::nullopt);
}

TEST(ProgressLine, CountNameAndTimeLeftAtThePaceSoFar)
{
    EXPECT_EQ(ProgressText(0, 3, "a.jpg", 0, 0, 1), "[1/3] a.jpg");
    EXPECT_EQ(ProgressText(2, 4, "c.jpg", 20000, 2, 1), "[3/4] c.jpg, 0:20 left");
    EXPECT_EQ(ProgressText(1, 1000, "d.jpg", 4000, 1, 1), "[2/1000] d.jpg, 1:06:36 left");
    // Two side by side: one finished early says nothing fair about the pace yet.
    EXPECT_EQ(ProgressText(2, 10, "e.jpg", 1000, 1, 2), "[3/10] e.jpg");
    EXPECT_EQ(ProgressText(3, 10, "f.jpg", 40000, 2, 2), "[4/10] f.jpg, 2:40 left");
}

TEST_F(CommandLineTest, ConvertsEachPhotoWithoutADisplayAndTellsWhichFailed)
{
    WriteCornerMarkers(TempPath("wide.png"), 80, 60);
    WriteCornerMarkers(TempPath("wide photo.bmp"), 80, 60);
    WriteAll(TempPath("empty.jpg"), {});
    WriteAll(TempPath("notes.jpg"), "not a photo\n");
    WriteAll(TempPath("cut.png"), ReadAll(TempPath("wide.png")).left(60));
    QDir(dir_.path()).mkdir("out");
    QDir(dir_.path()).mkdir("folder.jpg");

    const Outcome run = Pictorelle({"--convert", "wide.png", "missing.jpg", "empty.jpg", "wide photo.bmp", "notes.jpg",
                                    "folder.jpg", "cut.png", "n\x1b[2Jo.jpg", "--width", "40", "--rotate", "90",
                                    "--output-dir", "out"});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    // Each failure its own message, in the manner of GNU tools; a name's control characters as '?'.
    const QStringList failures = {
        "pictorelle: missing.jpg: No such file or directory",
        "pictorelle: empty.jpg: not a photo: no format Pictorelle reads",
        "pictorelle: notes.jpg: not a photo: no format Pictorelle reads",
        "pictorelle: folder.jpg: Is a directory",
        "pictorelle: cut.png: " + English(IDS_STRING126) + " (damaged: its data ends early)",
        "pictorelle: n?[2Jo.jpg: No such file or directory",
    };
    QStringList told = run.err.split('\n', Qt::SkipEmptyParts);
    told.sort();
    QStringList expected = failures;
    expected.sort();
    EXPECT_EQ(told, expected);
    QStringList saved = run.out.split('\n', Qt::SkipEmptyParts);
    saved.sort();  // photos convert side by side and finish in either order
    EXPECT_EQ(saved, QStringList({dir_.path() + "/out/wide photo_out.png saved successfully.",
                                  dir_.path() + "/out/wide_out.png saved successfully."}));
    // A batch turns first: 80 x 60 turns clockwise into 60 x 80, which at width 40 is 40 x 53;
    // the top-left corner goes to the top right.
    for (const QString name : {"out/wide_out.png", "out/wide photo_out.png"}) {
        const Decoded png = DecodeFile(TempPath(name));
        EXPECT_EQ(png.width, 40);
        EXPECT_EQ(png.height, 53);
        EXPECT_EQ(png.At(39, 0), CornerColour(Corner::TopLeft));
        EXPECT_EQ(png.At(0, 0), CornerColour(Corner::BottomLeft));
    }
    EXPECT_EQ(QDir(TempPath("out")).entryList(QDir::Files).size(), 2) << "nothing left of the failures";
}

// A name whose bytes are not UTF-8 (Qt reads such a byte as U+FFFD) reaches the program from
// the shell's glob byte for byte; its output keeps those bytes.
TEST_F(CommandLineTest, AnOutputNameKeepsThePhotoNamesBytes)
{
    const QByteArray folder = QFile::encodeName(dir_.path());
    const QByteArray photo = folder + "/bad\xff.jpg";
    const QByteArray output = folder + "/out/bad\xff_out.png";
    WriteSolid(TempPath("p.jpg"), 20, 10, {0, 0, 0});
    ASSERT_EQ(::rename(QByteArray(folder + "/p.jpg").constData(), photo.constData()), 0);
    QDir(dir_.path()).mkdir("out");

    const Outcome run = Run("/bin/sh", {"-c", "exec \"$0\" --convert --output-dir out bad*.jpg", Binary()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, dir_.path() + "/out/bad?_out.png saved successfully.\n") << "shown with '?'";
    QList<QByteArray> made;  // by their bytes: Qt lists no name that is not UTF-8
    DIR* out = ::opendir(QByteArray(folder + "/out").constData());
    ASSERT_NE(out, nullptr);
    while (const dirent* entry = ::readdir(out))
        if (entry->d_name[0] != '.')
            made << entry->d_name;
    ::closedir(out);
    EXPECT_EQ(made, QList<QByteArray>({"bad\xff_out.png"})) << "nothing named with U+FFFD";
    ::unlink(output.constData());  // Qt cannot remove what it cannot name
    ::unlink(photo.constData());
}

TEST_F(CommandLineTest, PhotosSideBySideEachWithItsText)
{
    QStringList args = {"--convert", "--width", "60", "--text", "W", "--position", "2,2", "--font", "DejaVu Sans,20",
                        "--color", "#FFFFFF", "--output-dir", "out"};
    for (int i = 0; i < 6; ++i) {
        WriteSolid(TempPath(QStringLiteral("p%1.png").arg(i)), 90 + i, 40, {0, 0, 0});
        args << QStringLiteral("p%1.png").arg(i);
    }
    QDir(dir_.path()).mkdir("out");
    const Outcome run = Pictorelle(args);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    for (int i = 0; i < 6; ++i) {
        const Decoded png = DecodeFile(TempPath(QStringLiteral("out/p%1_out.png").arg(i)));
        int white = 0;
        for (int y = 0; y < png.height; ++y)
            for (int x = 0; x < png.width; ++x)
                white += png.At(x, y) == Rgb{255, 255, 255};
        EXPECT_GT(white, 10) << "photo " << i << " lost its text";
    }
}

TEST_F(CommandLineTest, ReplacesAnOutputOnlyWhenAskedAndDrawsTheText)
{
    WriteSolid(TempPath("p.png"), 90, 50, {0, 0, 0});
    WriteAll(TempPath("p_out.png"), "keep me");
    const QStringList args = {"--convert", "p.png", "--output", "p_out.png", "--height", "25", "--text", "I",
                              "--position", "10,3", "--font", "DejaVu Sans,16,bold", "--color", "#00FF00"};
    // An output already there is kept, which is no failure: a rerun exits 0.
    const Outcome kept = Pictorelle(args);
    EXPECT_EQ(kept.status, 0) << kept.err.toStdString();
    EXPECT_EQ(kept.out, "p_out.png kept: it exists already; --overwrite replaces it\n"
                        "0 converted, 1 kept because their outputs exist, 0 failed\n");
    EXPECT_EQ(ReadAll(TempPath("p_out.png")), "keep me");
    EXPECT_EQ(Pictorelle(args + QStringList{"--quiet"}).out, "");

    const Outcome replaced = Pictorelle(args + QStringList{"--overwrite", "--quiet"});
    EXPECT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_EQ(replaced.out, "");
    const Decoded png = DecodeFile(TempPath("p_out.png"));
    ASSERT_EQ(png.width, 45) << "90 x 50 at height 25";
    ASSERT_EQ(png.height, 25);
    int green = 0;
    for (int y = 0; y < png.height; ++y) {
        for (int x = 0; x < png.width; ++x) {
            if (png.At(x, y) == Rgb{0, 255, 0}) {
                ++green;
                EXPECT_TRUE(x >= 10 && y >= 3) << "left of or above the text's box at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(green, 5);

    const Outcome noFrame = Pictorelle({"--convert", "p.png", "--frame", "1", "--output-dir", ".", "--overwrite"});
    EXPECT_EQ(noFrame.status, 1);
    EXPECT_TRUE(noFrame.err.contains("p.png: " + English(IDS_STRING121))) << noFrame.err.toStdString();
}

TEST_F(CommandLineTest, AFullDiskKeepsTheOldOutputWhole)
{
    WriteNoise(TempPath("p.png"), 300, 200);
    ASSERT_EQ(Pictorelle({"--convert", "p.png", "--output", "whole.png"}).status, 0);
    const qint64 size = QFileInfo(TempPath("whole.png")).size();
    WriteSolid(TempPath("p_out.png"), 30, 20, {1, 2, 3});
    const QByteArray old = ReadAll(TempPath("p_out.png"));
    // The disk fills during the last bytes of the file, then halfway through it.
    for (const rlim_t limit : {rlim_t(size - 1), rlim_t(size / 2)}) {
        const Outcome full = Pictorelle({"--convert", "p.png", "--output", "p_out.png", "--overwrite"}, {}, limit);
        EXPECT_EQ(full.status, 1) << limit;
        EXPECT_TRUE(full.err.contains("p_out.png: " + English(IDS_STRING118) + " (over the file size limit)"))
            << full.err.toStdString();
        EXPECT_EQ(ReadAll(TempPath("p_out.png")), old) << limit;
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"p.png", "p_out.png", "whole.png"}));
    }
    // A disk that is really full: a tmpfs with less room left than the picture needs.
    const ScratchMount disk(TempPath("full"), 512 * 1024);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a tmpfs needs the superuser";
    QFile::copy(TempPath("p_out.png"), TempPath("full/p_out.png"));
    disk.FillLeaving(size / 2);
    const Outcome full = Pictorelle({"--convert", "p.png", "--output-dir", "full", "--overwrite"});
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(full.err.contains(English(IDS_STRING118) + " (no space left on the device)")) << full.err.toStdString();
    EXPECT_EQ(ReadAll(TempPath("full/p_out.png")), old);
    EXPECT_EQ(QDir(TempPath("full")).entryList(QDir::Files | QDir::Hidden), (QStringList{".filler", "p_out.png"}));
}

// Memory running out fails the photo it happened to, saying so, and nothing else: never a crash,
// never a valid photo called damaged, whichever allocation it is that fails.
TEST_F(CommandLineTest, MemoryRunningOutFailsAPhotoNotTheProcess)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's shadow memory does not fit in a limited address space";
#endif
    if (qEnvironmentVariableIsSet("PICTORELLE_UNDER_TEST"))
        GTEST_SKIP() << "the program under test is a sanitizer's build";
    WriteNoise(TempPath("big.jpg"), 6000, 4000);
    WriteNoise(TempPath("small.jpg"), 300, 200);
    int failed = 0;
    for (const rlim_t megabytes : {200, 250, 300, 350, 450, 600}) {
        for (int run = 0; run < 2; ++run) {
            const Outcome o = Run(Binary(), {"--convert", "--quiet", "big.jpg", "small.jpg", "--output-dir", "out", "--overwrite"},
                                  {}, RLIM_INFINITY, megabytes << 20);
            const std::string when = std::to_string(megabytes) + " MiB: " + o.err.toStdString();
            ASSERT_TRUE(o.status == 0 || o.status == 1) << when;
            EXPECT_FALSE(o.err.contains("damaged")) << when;
            if (o.status == 1) {
                ++failed;
                EXPECT_TRUE(o.err.contains("(not enough memory)")) << when;
            }
        }
    }
    EXPECT_GT(failed, 0) << "no limit was low enough to make memory run out";
}

// Noise in the given bands, saved by libvips with options; empty when it has no such encoder.
QByteArray SavedNoise(const QString& path, int bands, const char* options)
{
    // Seeded: the same damage every run, so that every run must fail the same way.
    const auto band = [](int seed) {
        return vips::VImage::gaussnoise(320, 240, vips::VImage::option()->set("sigma", 50.0)->set("seed", seed));
    };
    vips::VImage noise = band(100);
    for (int b = 1; b < bands; ++b)
        noise = noise.bandjoin(band(100 + b));
    try {
        noise.cast(VIPS_FORMAT_UCHAR).write_to_file((path + options).toLocal8Bit().constData());
    } catch (const vips::VError&) {
        vips_error_clear();
        return {};
    }
    return ReadAll(path);
}

TEST_F(CommandLineTest, DamageFailsEveryConversionWhicheverThreadMeetsIt)
{
    const auto flipped = [](QByteArray bytes, double at) {
        bytes[qsizetype(bytes.size() * at)] = char(bytes[qsizetype(bytes.size() * at)] ^ 0x10);
        return bytes;
    };
    // One entropy byte set to 0xFF: libjpeg reads a marker there and fills the rest of the scan grey.
    const auto falseMarker = [](QByteArray bytes, double at) {
        qsizetype i = qsizetype(bytes.size() * at);
        while (bytes[i + 1] == 0 || bytes[i - 1] == '\xFF')
            ++i;
        bytes[i] = '\xFF';
        return bytes;
    };
    const std::pair<const char*, QByteArray> damaged[] = {
        {"jpg", SavedNoise(TempPath("n.jpg"), 3, "").chopped(1)},
        {"jpg", falseMarker(SavedNoise(TempPath("f.jpg"), 3, "[Q=75,subsample_mode=on]"), 0.5)},
        {"jpg", falseMarker(SavedNoise(TempPath("l.jpg"), 3, "[Q=90,subsample_mode=on]"), 0.995)},
        {"jp2", SavedNoise(TempPath("n.jp2"), 3, "").chopped(1)},
        {"png", flipped(SavedNoise(TempPath("n.png"), 1, ""), 0.6)},
        {"tif", flipped(flipped(SavedNoise(TempPath("n.tif"), 4, "[compression=deflate]"), 0.5), 0.7)},
    };
    for (const auto& [ext, bytes] : damaged) {
        if (bytes.isEmpty())
            continue;
        // Twenty copies in one run, converted side by side: each must fail, none by chance succeed.
        QStringList args = {"--convert", "--quiet", "--output-dir", "out"};
        for (int i = 0; i < 20; ++i) {
            const QString name = QString("d%1.%2").arg(i).arg(ext);
            WriteAll(TempPath(name), bytes);
            args << name;
        }
        QDir(dir_.path()).mkpath("out");
        const Outcome run = Pictorelle(args);
        EXPECT_EQ(run.status, 1) << ext;
        EXPECT_EQ(run.err.count(English(IDS_STRING115)), 20) << ext << run.err.toStdString();
        EXPECT_EQ(QDir(TempPath("out")).entryList(QDir::Files), QStringList()) << ext;
    }
}

// A JPEG is written while it is decoded: one cut in its last rows is found damaged after the PNG
// writer has taken most of its rows, and a disk that fills stops the writing while the decode goes
// on. Either is told, nothing is left in the folder, and an old output stays as it was.
TEST_F(CommandLineTest, AJpegWrittenWhileDecodedLeavesNoOutputWhenEitherFails)
{
    JpegEncoding encoding;
    encoding.width = 1203;
    encoding.height = 1601;
    const QByteArray jpeg = EncodeJpeg(encoding);
    WriteAll(TempPath("cut.jpg"), jpeg.left(jpeg.size() * 98 / 100) + QByteArray("\xFF\xD9", 2));
    WriteNoise(TempPath("whole.jpg"), 1000, 800);  // about 2.4 MB as PNG: its first IDAT goes out midway
    WriteSolid(TempPath("old.png"), 30, 20, {1, 2, 3});
    const QByteArray old = ReadAll(TempPath("old.png"));
    const struct {
        const char* photo;
        rlim_t fileSizeLimit;
        int message;
    } cases[] = {{"cut.jpg", RLIM_INFINITY, IDS_STRING115}, {"whole.jpg", 1'500'000, IDS_STRING118}};
    for (const auto& c : cases) {
        for (const QStringList& output : {QStringList{"--output", "new.png"}, QStringList{"--output", "old.png", "--overwrite"}}) {
            SCOPED_TRACE(std::string(c.photo) + " to " + output.join(' ').toStdString());
            const Outcome run = Pictorelle(QStringList{"--convert", c.photo} + output, {}, c.fileSizeLimit);
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.contains(English(c.message))) << run.err.toStdString();
            EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"cut.jpg", "old.png", "whole.jpg"}));
            EXPECT_EQ(ReadAll(TempPath("old.png")), old);
        }
    }
}

// Each structural damage class of JPEG refused with its own message and no output; the oddities
// real files carry convert to exactly the pixels of the file without them.
TEST_F(CommandLineTest, DamagedJpegsRefusedHarmlessOdditiesConvertTheSame)
{
    QStringList args = {"--convert", "--output-dir", "out"};
    const std::vector<JpegVariant> damaged = StructurallyDamagedJpegs();
    for (const JpegVariant& v : damaged) {
        WriteAll(TempPath(v.name), v.bytes);
        args << v.name;
    }
    const std::vector<JpegVariant> harmless = HarmlessJpegVariants();
    for (const JpegVariant& v : harmless) {
        WriteAll(TempPath(v.name), v.bytes);
        WriteAll(TempPath("same_" + v.name), v.same);
        args << v.name << "same_" + v.name;
    }
    QDir(dir_.path()).mkpath("out");
    const Outcome run = Pictorelle(args);
    EXPECT_EQ(run.status, 1);
    for (const JpegVariant& v : damaged) {
        EXPECT_TRUE(run.err.contains("pictorelle: " + v.name + ": ")) << v.name.toStdString() << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(TempPath("out/" + QFileInfo(v.name).completeBaseName() + "_out.png")));
    }
    for (const JpegVariant& v : harmless) {
        SCOPED_TRACE(v.name.toStdString());
        const QString base = QFileInfo(v.name).completeBaseName();
        const Decoded ours = DecodeFile(TempPath("out/" + base + "_out.png"));
        ASSERT_GT(ours.width, 0);
        EXPECT_TRUE(ours.pixels == DecodeFile(TempPath("out/same_" + base + "_out.png")).pixels);
    }
}

TEST_F(CommandLineTest, UsageErrorsInTheLocalesLanguageAndHelp)
{
    CLanguage shipped;
    shipped.Init(BaseFolderFor(QStringLiteral(PICTORELLE_BINARY)), QStringLiteral("english"));
    const QString german = CLanguageProbe::LanguageNames(shipped).filter("German").value(0);
    ASSERT_FALSE(german.isEmpty());
    shipped.SetLanguage(german);
    ASSERT_NE(shipped.GetString(IDS_STRING111), English(IDS_STRING111));
    // Our own texts in German, as the program loads them.
    QTranslator germanTexts;
    ASSERT_TRUE(germanTexts.load(QStringLiteral("pictorelle_de"), QStringLiteral(PICTORELLE_QM_DIR)));
    const char* const hint = "Try 'pictorelle --help' for more information.";
    const QString germanHint = germanTexts.translate("CommandLine", hint);
    ASSERT_NE(germanHint, QString(hint));
    const auto usage = [&](const QString& message, const QString& tryHelp) {
        return QStringLiteral("pictorelle: %1\n%2\n").arg(message, tryHelp);
    };

    // No settings file at all: the locale alone chooses; C means English.
    WriteSolid(TempPath("p.png"), 9, 5, {1, 2, 3});
    const QStringList negativeWidth = {"--convert", "p.png", "--width", "-5"};
    const Outcome inGerman = Pictorelle(negativeWidth, {{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(inGerman.status, 2);
    EXPECT_EQ(inGerman.err, usage(shipped.GetString(IDS_STRING111), germanHint));
    EXPECT_EQ(Pictorelle(negativeWidth, {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}).err, usage(English(IDS_STRING111), hint));
    // A usage error of our own, in German under a German locale, in English under C.
    const QStringList notPng = {"--convert", "p.png", "--output", "x.jpg"};
    const char* const notPngText = "'%1' does not end in .png: the output is a PNG picture";
    EXPECT_EQ(Pictorelle(notPng, {{"LANG", "de_DE.UTF-8"}}).err,
              usage(germanTexts.translate("CommandLine", notPngText).arg("x.jpg"), germanHint));
    EXPECT_EQ(Pictorelle(notPng).err, usage(QString(notPngText).arg("x.jpg"), hint));
    // The window's language governs the window only; the command line writes no settings.
    QSettings(QSettings::IniFormat, QSettings::UserScope, "TOLVARK", "pictorelle").setValue("Option/CurrentLanguage", german);
    const QByteArray settings = ReadAll(QSettings(QSettings::IniFormat, QSettings::UserScope, "TOLVARK", "pictorelle").fileName());
    EXPECT_EQ(Pictorelle(negativeWidth).err, usage(English(IDS_STRING111), hint));
    EXPECT_EQ(ReadAll(QSettings(QSettings::IniFormat, QSettings::UserScope, "TOLVARK", "pictorelle").fileName()), settings);

    const Outcome noFolder = Pictorelle({"--convert", "p.png", "--output-dir", "p.png/such"});
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_TRUE(noFolder.err.contains("p.png/such: the folder cannot be made: a file is in the way")) << noFolder.err.toStdString();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"p.png"});

    const Outcome help = Pictorelle({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: pictorelle"));
    // --help in each shipped language's locale is translated whole, and under C it is English.
    for (const char* locale : {"fr_FR", "de_DE", "es_ES", "ru_RU", "ja_JP", "zh_CN"}) {
        const Outcome translated = Pictorelle({"--help"}, {{"LANG", QString(locale) + ".UTF-8"}});
        EXPECT_EQ(translated.status, 0) << locale;
        EXPECT_NE(translated.out.section('\n', 0, 0), help.out.section('\n', 0, 0)) << locale;
        EXPECT_NE(translated.out.section('\n', 20, 20), help.out.section('\n', 20, 20)) << locale;
        EXPECT_TRUE(translated.out.contains("--output-dir")) << locale;
    }
    EXPECT_TRUE(Pictorelle({"--help"}, {{"LANG", "de_DE.UTF-8"}}).out.startsWith("Aufruf: pictorelle"));
    const Outcome version = Pictorelle({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("pictorelle 1."));
}

// Where a window would have asked (an unknown language, no font at all), the command line tells
// and goes on: nothing aborts for want of a display.
TEST_F(CommandLineTest, NoDisplayNeededForLanguageOrFontMessages)
{
    WriteSolid(TempPath("p.png"), 30, 20, {10, 20, 30});
    QDir(dir_.path()).mkdir("out");
    const Outcome klingon = Pictorelle({"--convert", "p.png", "--output-dir", "out"}, {{"LANG", "tlh_XX.UTF-8"}});
    EXPECT_EQ(klingon.status, 0) << klingon.err.toStdString();
    EXPECT_EQ(klingon.err, "") << "a locale with no language file speaks English";
    EXPECT_TRUE(QFileInfo::exists(TempPath("out/p_out.png")));

    // A font configuration that knows no font at all.
    WriteAll(TempPath("fonts.conf"), QStringLiteral("<?xml version=\"1.0\"?><fontconfig><cachedir>%1</cachedir>"
                                                    "</fontconfig>").arg(TempPath("fccache")).toUtf8());
    const QList<QPair<QString, QString>> noFonts = {{"FONTCONFIG_FILE", TempPath("fonts.conf")}};
    const Outcome plain = Pictorelle({"--convert", "p.png", "--output-dir", "out", "--overwrite"}, noFonts);
    EXPECT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.contains("pictorelle: Failed to create font")) << plain.err.toStdString();

    QFile::remove(TempPath("out/p_out.png"));
    const Outcome text = Pictorelle({"--convert", "p.png", "--output-dir", "out", "--text", "Hi"}, noFonts);
    EXPECT_EQ(text.status, 1) << text.err.toStdString();
    EXPECT_TRUE(text.err.contains("pictorelle: p.png: the text cannot be drawn")) << text.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(TempPath("out/p_out.png"))) << "a picture without its text is not written";

    const Outcome usage = Pictorelle({"--convert", "p.png", "--width", "0"}, noFonts);
    EXPECT_EQ(usage.status, 2) << usage.err.toStdString();
}

TEST(MemoryBudget, SideBySideOnlyWithinTheBudgetAndTheHeaviestAlone)
{
    MemoryBudget budget(100);
    const std::int64_t a = budget.Acquire(60);
    const std::int64_t b = budget.Acquire(40);
    std::atomic<bool> heavyRan = false;
    std::thread heavy([&] {
        budget.Release(budget.Acquire(1000));  // over the whole budget: waits for an empty gate
        heavyRan = true;
    });
    QThread::msleep(50);
    EXPECT_FALSE(heavyRan);
    budget.Release(a);
    QThread::msleep(50);
    EXPECT_FALSE(heavyRan) << "40 still held";
    budget.Release(b);
    heavy.join();
    EXPECT_TRUE(heavyRan);
}

TEST_F(CommandLineTest, CameraRawPhotosTurnedAsRecordedAndCutOnesRefused)
{
    BayerDngLayout layout;  // 96 x 64 on the sensor, recorded as turned a quarter clockwise
    layout.orientation = 6;
    layout.value = [](int, int, int) { return std::uint16_t{20000}; };
    const QByteArray dng = BayerDng(layout);
    WriteAll(TempPath("shot.dng"), dng);
    WriteAll(TempPath("cut.dng"), dng.left(dng.size() * 2 / 3));

    const Outcome run = Pictorelle({"--convert", "shot.dng", "cut.dng", "--width", "32", "--output-dir", "."});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cut.dng: " + English(IDS_STRING126))) << run.err.toStdString();
    const Decoded png = DecodeFile(TempPath("shot_out.png"));
    EXPECT_EQ(png.width, 32);
    EXPECT_EQ(png.height, 48) << "64 x 96 once turned, at width 32";
    EXPECT_FALSE(QFileInfo::exists(TempPath("cut_out.png")));
}

TEST_F(CommandLineTest, TurnedUprightUnlessAskedAndUnusableProfilesWarned)
{
    vips::VImage stored = vips::VImage::black(60, 40, vips::VImage::option()->set("bands", 3)).cast(VIPS_FORMAT_UCHAR);
    stored = stored.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    stored.set(VIPS_META_ORIENTATION, 6);
    stored.write_to_file(TempPath("portrait.jpg").toLocal8Bit().constData());
    WriteSolid(TempPath("bad.jpg"), 30, 20, {1, 2, 3});
    EmbedIccInJpeg(TempPath("bad.jpg"), QByteArray(300, 'x'));

    const Outcome run = Pictorelle({"--convert", "portrait.jpg", "bad.jpg", "--output-dir", "."});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(DecodeFile(TempPath("portrait_out.png")).width, 40) << "upright";
    EXPECT_TRUE(run.err.contains("pictorelle: bad.jpg: warning: ")) << run.err.toStdString();
    EXPECT_EQ(run.err.count("warning"), 1);

    const Outcome kept = Pictorelle({"--convert", "portrait.jpg", "--no-auto-orient", "--overwrite", "--output-dir", "."});
    EXPECT_EQ(kept.status, 0);
    EXPECT_EQ(DecodeFile(TempPath("portrait_out.png")).width, 60) << "as stored";
}

// Two runs reach the same output name, as xargs -P does with photos of one name from two folders:
// one writes it, the other is told and leaves it alone.
TEST_F(CommandLineTest, TwoRunsOneOutputNameNeverReplaceEachOther)
{
    QDir(dir_.path()).mkpath("a");
    QDir(dir_.path()).mkpath("b");
    QDir(dir_.path()).mkpath("out");
    WriteNoise(TempPath("a/p.png"), 640, 400);
    WriteNoise(TempPath("b/p.png"), 400, 640);
    for (int round = 0; round < 3; ++round) {
        QFile::remove(TempPath("out/p_out.png"));
        Outcome a, b;
        std::thread other([&] { b = Pictorelle({"--convert", "b/p.png", "--output-dir", "out"}); });
        a = Pictorelle({"--convert", "a/p.png", "--output-dir", "out"});
        other.join();
        ASSERT_EQ(a.status + b.status, 0) << a.err.toStdString() << b.err.toStdString();
        const bool aLost = a.out.contains(" kept: ");
        const Outcome& loser = aLost ? a : b;
        EXPECT_TRUE(loser.out.startsWith(TempPath("out/p_out.png") + " kept: it exists already")) << loser.out.toStdString();
        EXPECT_EQ(loser.err, "");
        EXPECT_EQ(DecodeFile(TempPath("out/p_out.png")).width, aLost ? 400 : 640) << "the winner's picture";
        EXPECT_EQ(QDir(TempPath("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"p_out.png"});
    }
}

// A rerun after an interruption, into the tree it reads or beside its photos, converts only what
// is left: its own outputs are never photos, kept outputs are no failure, a new folder is made.
TEST_F(CommandLineTest, RerunsConvertOnlyWhatIsLeftAndNeverTheirOwnOutputs)
{
    QDir(dir_.path()).mkpath("tree/day");
    WriteSolid(TempPath("tree/a.jpg"), 64, 48, {200, 10, 10});
    WriteSolid(TempPath("tree/day/b.png"), 30, 20, {10, 200, 10});
    const std::pair<QString, QStringList> runs[] = {{"tree/out", {"--output-dir", "tree/out"}},
                                                    {"tree", {"--output-dir", "tree"}},
                                                    {"tree", {"--beside-photos"}}};
    for (const auto& [out, where] : runs) {
        const QStringList args = QStringList{"--convert", "-r", "tree"} + where;
        const Outcome first = Pictorelle(args);
        ASSERT_EQ(first.status, 0) << first.err.toStdString();
        QFile::remove(TempPath(out + "/a_out.png"));  // as if interrupted before a was saved
        const Outcome second = Pictorelle(args);
        EXPECT_EQ(second.status, 0) << second.err.toStdString();
        EXPECT_EQ(second.err, "");
        EXPECT_TRUE(second.out.contains(TempPath(out + "/day/b_out.png") + " kept: it exists already")) << second.out.toStdString();
        EXPECT_TRUE(second.out.endsWith("1 converted, 1 kept because their outputs exist, 0 failed\n")) << second.out.toStdString();
        const Outcome third = Pictorelle(args);
        EXPECT_EQ(third.status, 0);
        EXPECT_TRUE(third.out.endsWith("0 converted, 2 kept because their outputs exist, 0 failed\n")) << third.out.toStdString();
        QStringList all;
        for (QDirIterator it(TempPath("tree"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            all << it.next().mid(TempPath("tree/").size());
        all.sort();
        const QStringList expected = out == "tree" ? QStringList{"a.jpg", "a_out.png", "day/b.png", "day/b_out.png"}
                                                   : QStringList{"a.jpg", "day/b.png", "out/a_out.png", "out/day/b_out.png"};
        EXPECT_EQ(all, expected) << "no output of an output";
        QDir(TempPath("tree/out")).removeRecursively();
        QFile::remove(TempPath("tree/a_out.png"));
        QFile::remove(TempPath("tree/day/b_out.png"));
    }

    // A pattern naming a PNG's output after the photo itself never replaces the photo.
    const QByteArray photo = ReadAll(TempPath("tree/day/b.png"));
    const Outcome self = Pictorelle({"--convert", "tree/day/b.png", "--beside-photos", "--name", "{name}", "--overwrite"});
    EXPECT_EQ(self.status, 1);
    EXPECT_TRUE(self.err.contains("would replace the photo itself")) << self.err.toStdString();
    EXPECT_EQ(ReadAll(TempPath("tree/day/b.png")), photo);

    const Outcome made = Pictorelle({"--convert", "tree/a.jpg", "--output-dir", "new/deeper"});
    EXPECT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.startsWith("made the output folder new/deeper\n")) << made.out.toStdString();
    EXPECT_EQ(DecodeFile(TempPath("new/deeper/a_out.png")).width, 64);
}

// The size and the text are those of the picture the user sees: the turn comes first, the text
// is drawn upright where it was asked on the turned picture.
TEST_F(CommandLineTest, ABatchTurnsBeforeItSizesAndWritesItsCaptionUprightWhereItIsPlaced)
{
    WriteSolid(TempPath("flat.png"), 60, 40, {0, 0, 0});
    const Outcome run = Pictorelle({"--convert", "flat.png", "--width", "120", "--rotate", "270", "--text", "HHHH",
                                    "--position", "5,7", "--font", "DejaVu Sans,12", "--color", "#FFFFFF",
                                    "--output", "turned.png"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Decoded png = DecodeFile(TempPath("turned.png"));
    ASSERT_EQ(QSize(png.width, png.height), QSize(120, 180));
    const QRect ink = InkBox(png, IsLight);
    ASSERT_FALSE(ink.isEmpty()) << "the text is drawn";
    EXPECT_GE(ink.left(), 5);
    EXPECT_GE(ink.top(), 7);
    EXPECT_GT(ink.width(), 2 * ink.height()) << "a line of text reads across, not down the edge";
    EXPECT_LT(ink.bottom(), 40);

    // A place with a margin, the size a share of the picture's height.
    WriteSolid(TempPath("wide.jpg"), 1200, 900, {0, 0, 0});
    const Outcome placed = Pictorelle({"--convert", "wide.jpg", "--width", "800", "--rotate", "90", "--text", "Hi",
                                       "--position", "bottom-right", "--margin", "10", "--font", "DejaVu Sans,5%",
                                       "--color", "#FFFFFF", "--output", "placed.png"});
    ASSERT_EQ(placed.status, 0) << placed.err.toStdString();
    const Decoded corner = DecodeFile(TempPath("placed.png"));
    ASSERT_EQ(QSize(corner.width, corner.height), QSize(800, 1066));
    const QRect hi = InkBox(corner, IsLight);
    EXPECT_GT(hi.left(), 800 * 0.9);
    EXPECT_GT(hi.top(), 1066 * 0.9);
    EXPECT_LE(hi.right(), 800 - 10);
    EXPECT_LE(hi.bottom(), 1066 - 10);
    EXPECT_GT(hi.width(), hi.height()) << "upright, left to right";
    EXPECT_NEAR(hi.height(), 1066 * 0.05 * 0.72, 1066 * 0.05 * 0.2) << "capitals of a 5 % line";

    // Too long for the picture: made smaller, told, never cut.
    const Outcome shrunk = Pictorelle({"--convert", "flat.png", "--text", "Summer 2026",
                                       "--font", "DejaVu Sans,50%", "--position", "center", "--color", "#FFFFFF",
                                       "--output", "shrunk.png"});
    ASSERT_EQ(shrunk.status, 0) << shrunk.err.toStdString();
    EXPECT_TRUE(shrunk.err.contains("flat.png: warning: the caption is drawn")) << shrunk.err.toStdString();
    EXPECT_EQ(Pictorelle({"--convert", "flat.png", "--text", "Summer 2026", "--font", "DejaVu Sans,50%",
                          "--quiet", "--output", "quiet.png"}).err, "") << "a warning, not an error";
    const QRect small = InkBox(DecodeFile(TempPath("shrunk.png")), IsLight);
    EXPECT_TRUE(QRect(0, 0, 60, 40).contains(small));
    EXPECT_GT(small.left(), 0);
    EXPECT_LT(small.right(), 59);
    // Too long to be read at any size: the photo fails and nothing is written.
    const Outcome unreadable = Pictorelle({"--convert", "flat.png", "--text", "A caption far longer than sixty pixels",
                                           "--font", "DejaVu Sans,12", "--output", "none.png"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_TRUE(unreadable.err.contains("the caption cannot be drawn")) << unreadable.err.toStdString();
    EXPECT_FALSE(QFile::exists(TempPath("none.png")));
}

TEST_F(CommandLineTest, FitsWithinTheBoxNeverEnlarging)
{
    WriteSolid(TempPath("wide.jpg"), 4000, 1000, {200, 10, 10});
    WriteSolid(TempPath("tall.jpg"), 900, 3000, {10, 200, 10});
    WriteSolid(TempPath("small.jpg"), 300, 200, {10, 10, 200});
    const Outcome run = Pictorelle({"--convert", "wide.jpg", "tall.jpg", "small.jpg", "--fit", "800x800", "--no-enlarge",
                                    "--output-dir", "."});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const struct {
        const char* name;
        int width, height;
    } outputs[] = {{"wide_out.png", 800, 200}, {"tall_out.png", 240, 800}, {"small_out.png", 300, 200}};
    for (const auto& o : outputs) {
        const Decoded png = DecodeFile(TempPath(o.name));
        EXPECT_EQ(QSize(png.width, png.height), QSize(o.width, o.height)) << o.name;
    }
}

// Every camera day's folder holds an IMG_0001.jpg: each keeps its place below the folder walked.
TEST_F(CommandLineTest, AFolderWalkedKeepsEachPhotosPlace)
{
    QDir(dir_.path()).mkpath("trip/a");
    QDir(dir_.path()).mkpath("trip/b/deeper");
    QDir(dir_.path()).mkpath("elsewhere");
    WriteSolid(TempPath("trip/a/IMG_0001.jpg"), 64, 48, {200, 10, 10});
    WriteSolid(TempPath("trip/b/IMG_0001.jpg"), 48, 64, {10, 200, 10});
    WriteSolid(TempPath("trip/b/deeper/c.png"), 30, 20, {10, 10, 200});
    WriteSolid(TempPath("elsewhere/outside.jpg"), 30, 20, {10, 10, 200});
    WriteAll(TempPath("trip/notes.txt"), "not a photo\n");
    ASSERT_EQ(::mkfifo(TempPath("trip/pipe.jpg").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(TempPath("elsewhere"), TempPath("trip/b/link")));
    ASSERT_TRUE(QFile::link(TempPath("trip"), TempPath("trip/a/loop")));

    ASSERT_TRUE(QDir(dir_.path()).mkpath("out"));
    const Outcome run = Pictorelle({"--convert", "-r", "trip", "--output-dir", "out"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "pictorelle: trip/pipe.jpg: warning: skipped: not a regular file\n");
    EXPECT_EQ(DecodeFile(TempPath("out/a/IMG_0001_out.png")).width, 64);
    EXPECT_EQ(DecodeFile(TempPath("out/b/IMG_0001_out.png")).width, 48);
    EXPECT_EQ(DecodeFile(TempPath("out/b/deeper/c_out.png")).width, 30);
    EXPECT_FALSE(QFileInfo::exists(TempPath("out/b/link"))) << "links to folders are not followed";
    EXPECT_FALSE(QFileInfo::exists(TempPath("out/a/loop")));
    EXPECT_EQ(QDir(TempPath("out")).entryList(QDir::Files), QStringList()) << "nothing but the photos' own";
}

TEST_F(CommandLineTest, WarningsNameTheirPhotoAndQuietKeepsOnlyErrors)
{
    // A JPEG cut short decodes with libjpeg's warning; an AVIF where libheif can write one.
    WriteNoise(TempPath("whole.jpg"), 320, 240);
    const QByteArray jpeg = ReadAll(TempPath("whole.jpg"));
    WriteAll(TempPath("damaged.jpg"), jpeg.left(jpeg.size() * 3 / 4));
    QStringList photos = {"damaged.jpg", "whole.jpg", "missing.jpg"};
    try {
        vips::VImage::black(64, 48, vips::VImage::option()->set("bands", 3))
            .heifsave(TempPath("small.avif").toLocal8Bit().constData(),
                      vips::VImage::option()->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_AV1));
        photos << "small.avif";
    } catch (const vips::VError&) {
        vips_error_clear();
    }
    const Outcome loud = Pictorelle(QStringList{"--convert", "--output-dir", "."} + photos);
    EXPECT_EQ(loud.status, 1);
    for (const QString& line : loud.err.split('\n', Qt::SkipEmptyParts)) {
        const bool named = std::any_of(photos.begin(), photos.end(),
                                       [&](const QString& p) { return line.startsWith("pictorelle: " + p + ": "); });
        EXPECT_TRUE(named) << line.toStdString();
    }
    EXPECT_FALSE(loud.err.contains("VIPS-WARNING")) << loud.err.toStdString();
    for (const QString& photo : photos)
        QFile::remove(TempPath(QFileInfo(photo).completeBaseName() + "_out.png"));
    const Outcome quiet = Pictorelle(QStringList{"--convert", "--quiet", "--output-dir", "."} + photos);
    EXPECT_EQ(quiet.status, 1);
    EXPECT_FALSE(quiet.err.contains("warning:")) << quiet.err.toStdString();
    EXPECT_TRUE(quiet.err.contains("pictorelle: missing.jpg: No such file or directory")) << quiet.err.toStdString();
    EXPECT_EQ(quiet.out, "");
}

// A warning libvips gives again and again for one photo (libnsgif's, as each frame beyond those
// it offers is counted) is told once, with how often it came.
TEST_F(CommandLineTest, EachWarningOfAPhotoOnceCounted)
{
    WriteAll(TempPath("many.gif"), GifOfFrames(5000));
    const Outcome run = Pictorelle({"--convert", "many.gif", "--output-dir", "."});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
    EXPECT_TRUE(QRegularExpression("^pictorelle: many.gif: warning: Excessive number of frames \\(\\d+ times\\)$")
                    .match(lines[0]).hasMatch()) << lines[0].toStdString();
}

TEST_F(CommandLineTest, TheLimitOnceAndNoWindowWithoutADisplay)
{
    WriteSolid(TempPath("p.png"), 30, 20, {1, 2, 3});
    const Outcome huge = Pictorelle({"--convert", "p.png", "--width", "100000", "--output-dir", "."});
    EXPECT_EQ(huge.status, 1);
    EXPECT_EQ(huge.err, "pictorelle: p.png: an output of 100000 x 66666 pixels is above the limit of 268435456 pixels\n");

    // Qt looking for a display it cannot reach, and nobody naming one.
    const QString noDisplay = "pictorelle: no display to open the window on; use --convert to convert without a window\n";
    const Outcome xcb = Pictorelle({"p.png"});
    EXPECT_EQ(xcb.status, 2);
    EXPECT_EQ(xcb.err, noDisplay);
    const Outcome none = Pictorelle({"p.png"}, {{"QT_QPA_PLATFORM", ""}});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, noDisplay);
}

TEST(BatchThreads, LinearInTheCoresTheProcessMayUse)
{
    EXPECT_EQ(platform::QuotaCores("max 100000", -1, -1), std::nullopt);
    EXPECT_EQ(platform::QuotaCores("150000 100000", -1, -1), 1.5);
    EXPECT_EQ(platform::QuotaCores("", 200000, 100000), 2.0);
    EXPECT_EQ(platform::QuotaCores("", -1, 100000), std::nullopt);
    EXPECT_EQ(platform::CoresFromLimits(64, 1.5), 2) << "a 2-core quota on a 64-core machine";
    EXPECT_EQ(platform::CoresFromLimits(4, 16.0), 4) << "the affinity mask allows fewer";
    EXPECT_EQ(platform::CoresFromLimits(0, std::nullopt), 1);

    const struct {
        int cores, photos, sideBySide, pipeline, most;
    } plans[] = {
        {64, 1000, 64, 1, 320},  // was 64 conversions x 64 writer threads each, about 4,000
        {256, 1000, 256, 1, 1280},
        {2, 40, 2, 1, 10},
        {8, 2, 2, 4, 22},  // few photos: their pictures get the cores left over
        {4, 1, 1, 4, 11},
    };
    for (const auto& p : plans) {
        const BatchThreads plan = PlanBatchThreads(p.cores, p.photos);
        EXPECT_EQ(plan.sideBySide, p.sideBySide) << p.cores;
        EXPECT_EQ(plan.pipelineThreads, p.pipeline) << p.cores;
        EXPECT_EQ(plan.writerThreads, p.cores) << p.cores;
        EXPECT_EQ(plan.most, p.most) << p.cores;
    }
}

TEST(ConversionMemory, EachConversionCountedAndTheBatchBounded)
{
    using platform::PhotoFormat;
    constexpr std::int64_t MiB = std::int64_t{1} << 20;
    // A 24-megapixel JPEG streams: libvips' buffers for 6000 columns, the scratch, the writer's
    // strips and the 72 MiB picture; a BMP of that size adds its frame as RGBA.
    const std::int64_t jpeg = platform::ConversionBytes({PhotoFormat::Jpeg, 6000, 4000, 6000, 4000, 1, 1});
    EXPECT_EQ(jpeg, 6000 * 16384 + 2 * MiB + 16 * MiB + 4 * MiB + 72'000'000);
    EXPECT_EQ(platform::ConversionBytes({PhotoFormat::Bmp, 6000, 4000, 6000, 4000, 1, 1}), jpeg + 96'000'000);
    EXPECT_EQ(platform::ConversionBytes({PhotoFormat::Jpeg, 6000, 4000, 100, 50, 1, 1}), jpeg - 72'000'000 + 15'000);
    // Before opening, a BMP holds the largest frame the limit lets through; a JPEG only its share.
    EXPECT_EQ(platform::OpeningBytes(PhotoFormat::Bmp, 1, 1), 256 * MiB + 22 * MiB + platform::kMaxImagePixels * 4);
    EXPECT_EQ(platform::OpeningBytes(PhotoFormat::Jpeg, 1, 1), 22 * MiB);

    const struct {
        int cores;
        std::int64_t peakMiB;
    } machines[] = {
        {platform::CoresFromLimits(64, 2.0), 4510},  // a 2-core quota on a 64-core machine
        {64, 4758},
        {256, 5526},
    };
    for (const auto& m : machines) {
        const BatchThreads plan = PlanBatchThreads(m.cores, 1000);
        const int share = (plan.writerThreads + plan.sideBySide - 1) / plan.sideBySide;
        EXPECT_EQ(platform::BatchPeakBytes(plan.pipelineThreads, share, plan.writerThreads), m.peakMiB * MiB)
            << m.cores;
        const std::int64_t budget = platform::BatchBudgetBytes(plan.pipelineThreads, share);
        EXPECT_GE(budget, platform::ConversionBytes({PhotoFormat::CameraRaw, 16384, 16384, 16384, 16384,
                                                     plan.pipelineThreads, share}))
            << "one photo at the limit converts";
        EXPECT_GE(budget, platform::ConversionBytes({PhotoFormat::Jpeg, 16384, 16384, 16384, 16384,
                                                     plan.pipelineThreads, share, platform::kMaxJpegDecoderBytes}))
            << "a progressive JPEG at the limit converts";
        EXPECT_GE(budget / platform::ConversionBytes({PhotoFormat::Jpeg, 6000, 4000, 1920, 1280,
                                                      plan.pipelineThreads, share}),
                  std::min(m.cores, 25))
            << "24-megapixel photos side by side on every core, up to 25";
    }
}

// The threads of a running batch, counted in /proc, stay within the plan for its cores.
TEST_F(CommandLineTest, ABatchKeepsItsThreadsWithinThePlan)
{
    // Few and small enough to stay well within a minute under ThreadSanitizer.
    constexpr int kPhotos = 8;
    QStringList args = {"--convert", "--quiet", "--output-dir", "out", "--rotate", "90"};
    for (int i = 0; i < kPhotos; ++i) {
        const QString name = QStringLiteral("n%1.png").arg(i);
        if (i == 0)
            WriteNoise(TempPath(name), 600, 400);
        else
            QFile::copy(TempPath("n0.png"), TempPath(name));
        args << name;
    }
    QDir(dir_.path()).mkdir("out");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANG", "C");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir_.path());
    process.start(qEnvironmentVariable("PICTORELLE_UNDER_TEST", QStringLiteral(PICTORELLE_BINARY)), args);
    ASSERT_TRUE(process.waitForStarted());
    const QString tasks = QStringLiteral("/proc/%1/task").arg(process.processId());
    qsizetype most = 0;
    while (!process.waitForFinished(5))
        most = std::max(most, QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QDir(TempPath("out")).entryList(QDir::Files).size(), kPhotos);
    const int fixedFew = 8;  // the main thread, Qt's and GLib's own
    EXPECT_LE(most, PlanBatchThreads(platform::UsableCores(), kPhotos).most + fixedFew);
    EXPECT_GT(most, 1) << "sampled while it ran";
}

// Whether the process has a file open in folder: an output being written.
bool WritingInto(qint64 pid, const QString& folder)
{
    const QByteArray fds = QStringLiteral("/proc/%1/fd").arg(pid).toUtf8();
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    DIR* listing = ::opendir(fds.constData());
    bool writing = false;
    while (listing && !writing) {
        const dirent* entry = ::readdir(listing);
        if (!entry)
            break;
        char target[4096];
        const ssize_t n = ::readlinkat(::dirfd(listing), entry->d_name, target, sizeof target);
        writing = n > 0 && QByteArray(target, n).startsWith(prefix);
    }
    if (listing)
        ::closedir(listing);
    return writing;
}

// Interrupted while the first outputs are being written, then once one is saved: the folder
// then holds complete PNGs only, whatever the signal, even one that cannot be caught.
TEST_F(CommandLineTest, AnInterruptedBatchLeavesOnlyCompleteOutputs)
{
    QDir(dir_.path()).mkdir("out");
    const QString out = TempPath("out");
    QStringList args = {"--convert", "--quiet", "--output-dir", "out"};
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("p%1.jpg").arg(i);
        // Large enough that a write lasts long enough to be caught in the middle, small enough that
        // the eight runs stay well within a minute under ThreadSanitizer.
        if (i == 0)
            WriteNoise(TempPath(name), 2400, 1700);
        else
            QFile::copy(TempPath("p0.jpg"), TempPath(name));
        args << name;
    }
    // The last pair: a second, different stop signal during the clean-up ends the process at once;
    // which of the two counts as the second is the kernel's choice when both come together.
    for (const auto& [signal, second] : {std::pair{SIGINT, 0}, {SIGTERM, 0}, {SIGHUP, 0}, {SIGKILL, 0}, {SIGINT, SIGTERM}}) {
        for (const bool afterOneSaved : {false, true}) {
            if (second && afterOneSaved)
                continue;
            const QString when = QStringLiteral("signal %1 %2, %3").arg(signal).arg(second).arg(afterOneSaved ? "one saved" : "writing");
            for (const QString& name : QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System))
                QFile::remove(out + u'/' + name);
            QProcess process;
            process.setWorkingDirectory(dir_.path());
            process.start(Binary(), args);
            ASSERT_TRUE(process.waitForStarted());
            const qint64 pid = process.processId();
            const auto due = [&] {
                return afterOneSaved ? !QDir(out).entryList({"*_out.png"}, QDir::Files).isEmpty() : WritingInto(pid, out);
            };
            QDeadlineTimer timeout(30000);
            while (!due() && process.state() == QProcess::Running && !timeout.hasExpired())
                QThread::msleep(2);
            ASSERT_EQ(process.state(), QProcess::Running) << when.toStdString() << ": finished before the moment came";
            ::kill(static_cast<pid_t>(pid), signal);
            if (second)
                ::kill(static_cast<pid_t>(pid), second);
            ASSERT_TRUE(process.waitForFinished(30000)) << when.toStdString();
            // Cleaned up, then ended by the signal itself, as a shell expects.
            EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << when.toStdString();
            EXPECT_TRUE(process.exitCode() == signal || (second && process.exitCode() == second))
                << when.toStdString() << ": " << process.exitCode() << process.readAllStandardError().toStdString();

            for (const QString& name : QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
                EXPECT_TRUE(name.endsWith("_out.png")) << when.toStdString() << ": " << name.toStdString();
                const std::vector<PngChunk> chunks = ReadPngChunks(out + u'/' + name);
                ASSERT_GE(chunks.size(), 2u) << when.toStdString();
                EXPECT_EQ(chunks.back().type, "IEND") << when.toStdString() << ": " << name.toStdString();
                const std::vector<std::uint8_t>& ihdr = chunks.front().data;
                EXPECT_EQ((ihdr[2] << 8 | ihdr[3]) * 0x10000 + (ihdr[6] << 8 | ihdr[7]), 2400 * 0x10000 + 1700);
            }
        }
    }
}

// Ctrl-C at the terminal reaches the shell's loop and the program alike: the loop stops, since the
// program ends killed by SIGINT; a reader of its output that goes away stops the batch the same
// way. Either leaves only complete PNGs.
TEST_F(CommandLineTest, CtrlCStopsTheShellsLoopAndAClosedPipeStopsTheBatch)
{
    QDir(dir_.path()).mkdir("out");
    const QString out = TempPath("out");
    WriteNoise(TempPath("big1.jpg"), 4000, 3000);
    for (const char* name : {"big2.jpg", "big3.jpg"})
        QFile::copy(TempPath("big1.jpg"), TempPath(name));
    QProcess shell;
    shell.setWorkingDirectory(dir_.path());
    // Its own process group, as a terminal's foreground job: the group is sent the SIGINT.
    shell.start("setsid", {"bash", "-c", "for i in 1 2 3; do \"$0\" --convert --quiet big$i.jpg --output-dir out; "
                                         "echo ran $i; done", Binary()});
    ASSERT_TRUE(shell.waitForStarted());
    const QString children = QStringLiteral("/proc/%1/task/%1/children").arg(shell.processId());
    QDeadlineTimer timeout(30000);
    qint64 program = 0;
    while (!(program = ReadAll(children).trimmed().toLongLong()) || !WritingInto(program, out)) {
        ASSERT_FALSE(timeout.hasExpired()) << "the first photo never began";
        QThread::msleep(2);
    }
    ::kill(-static_cast<pid_t>(shell.processId()), SIGINT);
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.readAllStandardOutput(), "") << "the loop went on";
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());

    QStringList photos;
    for (int i = 0; i < 8; ++i) {
        photos << QStringLiteral("p%1.jpg").arg(i);
        WriteNoise(TempPath(photos.last()), 1200, 900);
    }
    const Outcome piped = Run("/bin/bash", QStringList{"-c", "set -o pipefail; \"$0\" --convert --output-dir out \"$@\" | head -1",
                                            Binary()} + photos);
    EXPECT_EQ(piped.status, 128 + SIGPIPE) << piped.err.toStdString();
    const QStringList written = QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System);
    EXPECT_LT(written.size(), photos.size()) << "the batch stopped";
    for (const QString& name : written)
        EXPECT_EQ(ReadPngChunks(out + u'/' + name).back().type, "IEND") << name.toStdString();
}

// An output name of 248 bytes leaves no room for a temporary name built on it; it still converts.
// Over 255 bytes, or over the path limit, the message says which limit.
TEST_F(CommandLineTest, NamesUpToTheirLimitsConvertAndLongerOnesAreToldWhy)
{
    const QString stem(120, u'\u00e9');  // two bytes each
    WriteSolid(TempPath(stem + ".png"), 30, 20, {9, 8, 7});
    WriteSolid(TempPath(stem + "xxxxxxxx.png"), 30, 20, {9, 8, 7});
    const Outcome run = Pictorelle({"--convert", stem + ".png", stem + "xxxxxxxx.png", "--output-dir", "."});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(DecodeFile(TempPath(stem + "_out.png")).At(29, 19), (Rgb{9, 8, 7}));
    EXPECT_TRUE(run.err.contains(TempPath(stem + "xxxxxxxx_out.png") + ": its name is longer than the 255 bytes"))
        << run.err.toStdString();
    const Outcome deep = Pictorelle({"--convert", stem + ".png", "--output", TempPath(QString(250, u'd') + ".png")});
    EXPECT_EQ(deep.status, 1);
    EXPECT_TRUE(deep.err.contains("the path is longer than the 259 characters")) << deep.err.toStdString();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// Each failure the command line meets says why: the window's message, where it has one, then the
// reason; the path it concerns; nothing written.
TEST_F(CommandLineTest, EachFailureSaysWhy)
{
    WriteSolid(TempPath("p.png"), 800, 600, {4, 5, 6});
    WriteSolid(TempPath("tall.png"), 600, 800, {4, 5, 6});
    WriteFramesGif(TempPath("five.gif"), 12, 8, 5);
    WriteSolid(TempPath("one.png"), 12, 8, {1, 1, 1});
    WriteAll(TempPath("file"), "not a folder");
    const QByteArray jpeg = SavedNoise(TempPath("whole.jpg"), 3, "");
    WriteAll(TempPath("cut.jpg"), jpeg.left(jpeg.size() / 2));
    const QByteArray png = SavedNoise(TempPath("whole.png"), 3, "");
    WriteAll(TempPath("cut.png"), png.left(png.size() / 2));
    // The first frame header's height raised: the scan's data covers a tenth of the picture.
    QByteArray taller = jpeg;
    const int sof = taller.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    taller[sof + 5] = char(2400 >> 8);
    taller[sof + 6] = char(2400 & 0xFF);
    WriteAll(TempPath("taller.jpg"), taller);
    QByteArray huge = ReadAll(TempPath("one.png"));
    const char size[8] = {0, 1, char(0x86), char(0xA0), 0, 1, char(0x86), char(0xA0)};  // 100000 x 100000
    huge.replace(huge.indexOf("IHDR") + 4, 8, QByteArray(size, 8));
    WriteAll(TempPath("huge.png"), huge);
    const QString longName(300, u'n');

    const struct {
        QStringList arguments;
        int status;
        QString says;
    } cases[] = {
        {{"one.png", "--output", "missing/x.png"}, 2, "pictorelle: missing/: no such folder"},
        {{"one.png", "--output", "file/x.png"}, 2, "pictorelle: file/: not a folder"},
        {{"one.png", "--output-dir", "file"}, 2, "pictorelle: file: not a folder"},
        {{"one.png", "--output", longName + "/x.png"}, 2, longName + "/: File name too long"},
        {{"one.png", "--output", TempPath(QString(250, u'd') + ".png")}, 1,
         "the path is longer than the 259 characters this program takes"},
        {{"p.png", "--width", "1"}, 1,
         "p.png: The output hight is invalid! (the height that keeps the aspect ratio of 800 x 600 at width 1 is 0 pixels)"},
        {{"tall.png", "--height", "1"}, 1,
         "tall.png: The output width is invalid! (the width that keeps the aspect ratio of 600 x 800 at height 1 is 0 pixels)"},
        {{"five.gif", "--frame", "7"}, 1,
         "five.gif: The frame number is invalid. Please enter again! (there is no frame 7: the photo has frames 0 to 4)"},
        {{"one.png", "--frame", "1"}, 1, "(there is no frame 1: the photo has only frame 0)"},
        {{"cut.jpg"}, 1, "cut.jpg: " + English(IDS_STRING115) + " (damaged: its data ends early)"},
        {{"cut.png"}, 1, "cut.png: " + English(IDS_STRING115) + " (damaged: its data ends early)"},
        {{"taller.jpg"}, 1, "taller.jpg: " + English(IDS_STRING115) + " (damaged: its header does not match its data)"},
        {{"huge.png"}, 1,
         "huge.png: " + English(IDS_STRING126) +
             " (too large: its header gives 100000 x 100000 pixels, over the limit of " +
             QString::number(platform::kMaxImagePixels) + " pixels)"},
    };
    if (::geteuid() != 0) {  // the superuser may write anywhere
        QDir(dir_.path()).mkdir("locked");
        QFile::setPermissions(TempPath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    for (const auto& c : cases) {
        const Outcome run = Pictorelle(QStringList{"--convert"} + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << c.arguments.join(' ').toStdString() << "\n" << run.err.toStdString();
    }
    if (::geteuid() != 0) {
        const Outcome locked = Pictorelle({"--convert", "one.png", "--output", "locked/x.png"});
        EXPECT_EQ(locked.status, 2);
        EXPECT_TRUE(locked.err.contains("locked/: the folder cannot be written to: Permission denied")) << locked.err.toStdString();
    }
    EXPECT_EQ(QDir(dir_.path()).entryList({"*_out.png", "x.png"}, QDir::Files), QStringList());
}

namespace {

constexpr qint64 kTakenSeconds = 1720945230;  // 2024-07-14 10:20:30 +02:00

}  // namespace

TEST_F(CommandLineTest, TheDetailsKeptWithoutLocationComeFromEveryFormat)
{
    QStringList photos;
    WriteNoise(TempPath("phone.jpg"), 60, 40);
    WriteSolid(TempPath("shot.png"), 60, 40, {10, 200, 30});
    WriteSolid(TempPath("scan.tif"), 60, 40, {10, 200, 30});
    WriteBayerDng(TempPath("camera.dng"), {});
    photos << "phone.jpg" << "shot.png" << "scan.tif" << "camera.dng";
    try {
        vips::VImage::black(60, 40, vips::VImage::option()->set("bands", 3))
            .heifsave(TempPath("pocket.heic").toLocal8Bit().constData());
        photos << "pocket.heic";
    } catch (const vips::VError&) {  // a libheif without an HEVC encoder
        vips_error_clear();
        ADD_FAILURE() << "no HEIC could be written to read its details";
    }
    for (const QString& photo : photos)
        TagLikeAPhone(TempPath(photo));

    const Outcome run = Pictorelle(QStringList{"--convert", "--metadata", "no-location", "--file-date", "taken",
                                               "--output-dir", "kept"} + photos);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    for (const QString& photo : photos) {
        SCOPED_TRACE(photo.toStdString());
        const QString output = TempPath("kept/" + QFileInfo(photo).completeBaseName() + "_out.png");
        const QJsonObject tags = ExifToolTags(output);
        EXPECT_EQ(tags["ExifIFD:DateTimeOriginal"].toString(), "2024:07:14 10:20:30");
        EXPECT_EQ(tags["IFD0:Make"].toString() + " / " + tags["IFD0:Model"].toString(), "Phone / Phone 12");
        EXPECT_EQ(tags["IFD0:Artist"].toString(), "Ana Núñez");
        EXPECT_EQ(tags["IFD0:Copyright"].toString(), "(c) Ana");
        EXPECT_EQ(tags["IFD0:Orientation"].toInt(), 1) << "the pixels stand upright";
        EXPECT_EQ(tags["ExifIFD:ExifImageWidth"].toInt(), tags["PNG:ImageWidth"].toInt());
        EXPECT_EQ(tags["ExifIFD:ExifImageHeight"].toInt(), tags["PNG:ImageHeight"].toInt());
        EXPECT_FALSE(tags.contains("IFD1:ThumbnailOffset"));
        EXPECT_EQ(tags["PNG:CreationTime"].toString(), "2024-07-14T10:20:30+02:00");
        EXPECT_EQ(tags["PNG:Author"].toString(), "Ana Núñez");
        EXPECT_FALSE(HasLocation(tags)) << QJsonDocument(tags).toJson().toStdString();
        EXPECT_EQ(tags["PNG:SRGBRendering"].toInt(), 0) << "the colours stay sRGB";
        EXPECT_FALSE(tags.contains("ICC_Profile:ProfileDescription"));
        EXPECT_EQ(QFileInfo(output).lastModified().toSecsSinceEpoch(), kTakenSeconds);
        EXPECT_NE(PngCheckAccepts(output), std::optional(false));
    }
}

TEST_F(CommandLineTest, DetailsAreAllOrNoneAsAskedAndDamagedOnesAreLeftOut)
{
    WriteNoise(TempPath("phone.jpg"), 60, 40);
    TagLikeAPhone(TempPath("phone.jpg"));
    ASSERT_EQ(Pictorelle({"--convert", "phone.jpg", "--metadata", "all", "--dpi", "300", "--output", "all.png"}).status, 0);
    const QJsonObject all = ExifToolTags(TempPath("all.png"));
    EXPECT_NEAR(all["GPS:GPSLatitude"].toDouble(), 48.85, 1e-6);
    EXPECT_EQ(all["XMP-photoshop:City"].toString(), "Paris");
    EXPECT_EQ(all["PNG-pHYs:PixelsPerUnitX"].toInt(), 11811) << "300 dots per inch";
    EXPECT_LT(std::abs(QFileInfo(TempPath("all.png")).lastModified().secsTo(QDateTime::currentDateTime())), 600)
        << "dated when written unless asked";

    // Asked for nothing, the file is what it always was: no details, the photo's resolution.
    ASSERT_EQ(Pictorelle({"--convert", "phone.jpg", "--file-date", "now", "--output", "plain.png"}).status, 0);
    EXPECT_EQ(ChunkTypes(TempPath("plain.png")),
              (std::vector<std::string>{"IHDR", "sRGB", "gAMA", "cHRM", "pHYs", "IDAT", "IEND"}));

    // Damaged EXIF: the photo converts, told once, with no details at all.
    QByteArray broken = ReadAll(TempPath("phone.jpg"));
    const qsizetype exif = broken.indexOf(QByteArrayLiteral("Exif\0\0"));
    ASSERT_GT(exif, 0);
    broken.replace(exif + 10, 4, QByteArrayLiteral("\x7f\xff\xff\0"));  // the first directory far past the end
    WriteAll(TempPath("broken.jpg"), broken);
    const Outcome damaged = Pictorelle({"--convert", "broken.jpg", "--metadata", "all", "--output", "broken.png"});
    EXPECT_EQ(damaged.status, 0) << damaged.err.toStdString();
    EXPECT_EQ(damaged.err.count("broken.jpg: warning:"), 1) << damaged.err.toStdString();
    EXPECT_EQ(ChunkTypes(TempPath("broken.png")),
              (std::vector<std::string>{"IHDR", "sRGB", "gAMA", "cHRM", "pHYs", "IDAT", "IEND"}));

    // A date asked for that the photo does not give: the time of writing, and a warning.
    WriteSolid(TempPath("undated.png"), 30, 20, {1, 2, 3});
    const Outcome undated = Pictorelle({"--convert", "undated.png", "--file-date", "taken", "--output", "undated_out.png"});
    EXPECT_EQ(undated.status, 0);
    EXPECT_TRUE(undated.err.contains("undated.png: warning:")) << undated.err.toStdString();

    for (const QStringList& wrong : {QStringList{"--metadata", "some"}, {"--file-date", "yesterday"}, {"--dpi", "0"},
                                     {"--dpi", "10001"}}) {
        const Outcome refused = Pictorelle(QStringList{"--convert", "phone.jpg"} + wrong);
        EXPECT_EQ(refused.status, 2) << wrong.join(' ').toStdString();
    }
}

TEST_F(CommandLineTest, NamesFollowThePatternFromTheDateTakenOrTheFilesDate)
{
    QDir(dir_.path()).mkpath("trip/a");
    WriteNoise(TempPath("trip/a/IMG_0001.jpg"), 60, 40);
    TagLikeAPhone(TempPath("trip/a/IMG_0001.jpg"));
    WriteSolid(TempPath("trip/a/IMG_0002.png"), 30, 20, {1, 2, 3});
    QFile undated(TempPath("trip/a/IMG_0002.png"));
    ASSERT_TRUE(undated.open(QIODevice::ReadWrite));
    undated.setFileTime(QDateTime(QDate(2023, 1, 2), QTime(3, 4, 5)), QFileDevice::FileModificationTime);
    undated.close();
    const Outcome dated = Pictorelle({"--convert", "-r", "trip", "--name", "{date}_{name}", "--output-dir", "out"});
    ASSERT_EQ(dated.status, 0) << dated.err.toStdString();
    EXPECT_TRUE(QFile::exists(TempPath("out/a/2024-07-14_IMG_0001.png")));
    EXPECT_TRUE(QFile::exists(TempPath("out/a/2023-01-02_IMG_0002.png"))) << "the file's date where the photo gives none";

    QStringList five;
    for (const char* name : {"e.png", "c.png", "a.png", "d.png", "b.png"})
        five << WriteSolid(TempPath(name), 8, 6, {9, 9, 9});
    ASSERT_EQ(Pictorelle(QStringList{"--convert", "--name", "{n:3}", "--output-dir", "numbered"} + five).status, 0);
    EXPECT_EQ(QDir(TempPath("numbered")).entryList(QDir::Files), (QStringList{"001.png", "002.png", "003.png", "004.png", "005.png"}));
    EXPECT_EQ(ReadAll(TempPath("numbered/003.png")), ReadAll(TempPath("numbered/001.png"))) << "same pixels, same bytes";

    const Outcome slash = Pictorelle({"--convert", "a.png", "--name", "x/{name}", "--output-dir", "refused"});
    EXPECT_EQ(slash.status, 2);
    EXPECT_TRUE(slash.err.contains("'/'")) << slash.err.toStdString();
    EXPECT_FALSE(QDir(TempPath("refused")).exists());
    // Two photos reaching one name: the first listed writes it, the other is told.
    const Outcome clash = Pictorelle({"--convert", "a.png", "b.png", "--name", "same", "--output-dir", "clash"});
    EXPECT_EQ(clash.status, 1);
    EXPECT_TRUE(clash.err.contains("b.png: not converted")) << clash.err.toStdString();
}

// Transparent pixels lie on the background asked for, black by default as they always did; a
// photo without transparency is the same file whatever the background.
TEST_F(CommandLineTest, ABackgroundFillsOnlyWhereThePhotoIsTransparent)
{
    WriteHalfTransparent(TempPath("logo.png"), 60, 40, {255, 0, 0});
    WriteNoise(TempPath("flat.png"), 50, 30);
    const auto run = [this](const QString& photo, const QString& output, const QStringList& more) {
        const Outcome done = Pictorelle(QStringList{"--convert", photo, "--output", output, "--width", "90"} + more);
        EXPECT_EQ(done.status, 0) << done.err.toStdString();
        return ReadAll(TempPath(output));
    };
    run("logo.png", "white.png", {"--background", "#FFFFFF"});
    const Decoded white = DecodeFile(TempPath("white.png"));
    ASSERT_EQ(QSize(white.width, white.height), QSize(90, 60));
    EXPECT_EQ(white.At(80, 30), (Rgb{255, 255, 255}));
    EXPECT_EQ(white.At(10, 30), (Rgb{255, 0, 0}));
    EXPECT_EQ(run("logo.png", "plain.png", {}), run("logo.png", "black.png", {"--background", "#000000"}));
    EXPECT_EQ(DecodeFile(TempPath("plain.png")).At(80, 30), (Rgb{0, 0, 0}));
    EXPECT_EQ(run("flat.png", "a.png", {}), run("flat.png", "b.png", {"--background", "#00FF00"}));
}

TEST_F(CommandLineTest, PresetsAreSavedListedUsedAndADamagedOneIsSkippedAndLeftAsItIs)
{
    WriteNoise(TempPath("x.jpg"), 3000, 2000);
    const Outcome saved = Pictorelle({"--save-preset", "web", "--fit", "1920x1920", "--no-enlarge"});
    ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
    const Outcome listed = Pictorelle({"--list-presets"});
    EXPECT_TRUE(listed.out.contains("web: --fit 1920x1920 --no-enlarge")) << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains("Web (1920, no details):")) << "the shipped ones stay";
    ASSERT_EQ(Pictorelle({"--convert", "x.jpg", "--preset", "web", "--output", "fit.png"}).status, 0);
    EXPECT_EQ(DecodeFile(TempPath("fit.png")).width, 1920);
    ASSERT_EQ(Pictorelle({"--convert", "x.jpg", "--preset", "web", "--width", "800", "--output", "w.png"}).status, 0);
    EXPECT_EQ(DecodeFile(TempPath("w.png")).width, 800);

    // A preset section that does not read: skipped, named, and the file left as it is.
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/TOLVARK/pictorelle.ini";
    QByteArray text = ReadAll(settings);
    ASSERT_TRUE(text.contains("Count=3")) << text.toStdString();
    text.replace("Count=3", "Count=4");
    text += "\n[Preset-4]\nPresetName=Broken\nfit=wide\n";
    WriteAll(settings, text);
    const Outcome withDamage = Pictorelle({"--list-presets"});
    EXPECT_EQ(withDamage.status, 0);
    EXPECT_TRUE(withDamage.out.contains("web:"));
    EXPECT_TRUE(withDamage.err.contains("'Broken'")) << withDamage.err.toStdString();
    EXPECT_EQ(Pictorelle({"--convert", "x.jpg", "--preset", "Broken"}).status, 2);
    ASSERT_EQ(Pictorelle({"--convert", "x.jpg", "--preset", "web", "--output", "again.png"}).status, 0);
    EXPECT_EQ(ReadAll(settings), text) << "never rewritten by reading";
}

namespace {

// Columns a terminal gives text: East Asian wide and full-width characters take two.
int DisplayWidth(const QString& line)
{
    int width = 0;
    for (const char32_t c : line.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                          (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

}  // namespace

TEST_F(CommandLineTest, HelpFitsEightyColumnsWithItsOptionsAlignedInEveryLanguage)
{
    for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "ru_RU.UTF-8", "ja_JP.UTF-8", "zh_CN.UTF-8"}) {
        SCOPED_TRACE(locale);
        const Outcome help = Pictorelle({"--help"}, {{"LANG", locale}});
        ASSERT_EQ(help.status, 0);
        const QStringList lines = help.out.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            EXPECT_LE(DisplayWidth(line), 80) << line.toStdString();
            // An option's description starts at column 27 (an example command's lines aside).
            static const QRegularExpression option(QStringLiteral("^(\\s+(?:-\\S, )?--\\S+(?: \\S+)?)(\\s{2,})\\S"));
            const QRegularExpressionMatch m = option.match(line);
            const bool example = line.endsWith(" \\") || (i > 0 && lines[i - 1].endsWith(" \\"));
            if (m.hasMatch() && !example)
                EXPECT_EQ(DisplayWidth(m.captured(1)) + m.captured(2).size(), 27) << line.toStdString();
        }
        if (QString(locale) != "C") {
            EXPECT_NE(help.out, Pictorelle({"--help"}).out) << "translated";
        }
    }
}

// The smallest PNG holds Normal's pixels in fewer bytes; Ctrl-C while it is written leaves no
// file behind, partial or whole.
TEST_F(CommandLineTest, TheSmallestPngKeepsThePixelsAndCtrlCLeavesNothing)
{
    WriteNoise(TempPath("p.jpg"), 600, 400);
    ASSERT_EQ(Pictorelle({"--convert", "p.jpg", "--output", "n.png"}).status, 0);
    const Outcome smallest = Pictorelle({"--convert", "p.jpg", "--png", "smallest", "--output", "s.png"});
    ASSERT_EQ(smallest.status, 0) << smallest.err.toStdString();
    const QImage normal(TempPath("n.png")), small(TempPath("s.png"));
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(small.convertToFormat(QImage::Format_RGB888), normal.convertToFormat(QImage::Format_RGB888));
    EXPECT_LE(QFileInfo(TempPath("s.png")).size(), QFileInfo(TempPath("n.png")).size());

    WriteNoise(TempPath("big.jpg"), 2400, 1700);
    QDir(dir_.path()).mkdir("out");
    const QString out = TempPath("out");
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(Binary(), {"--convert", "--quiet", "--png", "smallest", "--output-dir", "out", "big.jpg"});
    ASSERT_TRUE(process.waitForStarted());
    QDeadlineTimer timeout(30000);
    while (!WritingInto(process.processId(), out) && process.state() == QProcess::Running && !timeout.hasExpired())
        QThread::msleep(2);
    ASSERT_EQ(process.state(), QProcess::Running) << "finished before it was interrupted";
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), SIGINT);
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
}
