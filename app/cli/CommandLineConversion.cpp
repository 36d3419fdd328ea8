#include "app/cli/CommandLineConversion.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QSize>
#include <QThread>

#include "app/cli/PixelBudget.h"
#include "convert/PrintSaved.h"
#include "app/cli/ProgressLine.h"
#include "settings/UserOutputFolder.h"
#include "convert/EncoderLookup.h"
#include "convert/KeepRatio.h"
#include "convert/OverlayPosition.h"
#include "convert/PhotoConversion.h"
#include "convert/PhotoDocument.h"
#include "convert/PhotoPaths.h"
#include "convert/RotateFlipChoice.h"
#include "lang/CLanguage.h"
#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/ImagingRuntime.h"
#include "platform/files/FileSystem.h"
#include "platform/services/SettingsStore.h"
#include "platform/services/SystemInfo.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"
#include "settings/SettingsKeys.h"

namespace {

void PrintError(const QString& subject, const QString& message)
{
    const QString line = subject.isEmpty() ? QStringLiteral("pictorelle: %1\n").arg(message)
                                           : QStringLiteral("pictorelle: %1: %2\n").arg(subject, message);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

// Whether anything at all is at path, even a dangling link or a file that cannot be read.
bool AnythingAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

class BatchConversion {
public:
    explicit BatchConversion(const ConversionRequest& request)
        : r_(request), progress_(stderr, static_cast<int>(request.photos.size()),
                                 !request.quiet && request.photos.size() > 1 && ::isatty(STDERR_FILENO))
    {
    }

    int Run()
    {
        if (!ChooseOutputFolder())
            return 2;
        ChooseOverlayStyle();
        FindEncoderByMimeType(QStringLiteral("image/png"), encoder_);
        // Reading and decoding a photo uses one core; while it does, another photo is resized and
        // written on the others. One worker per core, within the pixel budget.
        const int workers = std::clamp(QThread::idealThreadCount(), 1, static_cast<int>(r_.photos.size()));
        std::vector<std::thread> others;
        for (int k = 1; k < workers; ++k)
            others.emplace_back([this] {
                Work();
                platform::EndImagingThread();
            });
        Work();
        for (std::thread& t : others)
            t.join();
        progress_.Clear();
        return failed_ == 0 ? 0 : 1;
    }

private:
    // Takes the next photo until none is left.
    void Work()
    {
        for (int i = next_++; i < r_.photos.size(); i = next_++) {
            {
                const std::lock_guard lock(output_);
                progress_.Show(i, QFileInfo(r_.photos[i]).fileName());
            }
            bool converted = false;
            try {
                converted = ConvertOne(r_.photos[i]);
            } catch (const std::exception&) {  // memory running out outside the imaging layer
                Fail(r_.photos[i], IDS_STRING115);
            }
            if (!converted)
                ++failed_;
        }
    }

    // Tells what went wrong with subject (a photo or an output); warnings go the same way.
    void Fail(const QString& subject, const QString& message)
    {
        const std::lock_guard lock(output_);
        progress_.Clear();
        PrintError(subject, message);
    }

    void Fail(const QString& subject, int messageId) { Fail(subject, theLanguage.GetString(messageId)); }

    bool ChooseOutputFolder()
    {
        if (!r_.outputFile.isEmpty())
            return true;
        if (r_.outputFolder.isEmpty()) {
            folder_ = UserOutputFolder(platform::QueryOsMajorVersion(),
                                       [](const QString& text) { PrintError({}, text); });
            return true;
        }
        const QFileInfo info(r_.outputFolder);
        if (!info.isDir()) {
            PrintError(r_.outputFolder, info.exists() ? QStringLiteral("not a folder") : QStringLiteral("no such folder"));
            return false;
        }
        if (!info.isWritable()) {
            PrintError(r_.outputFolder, QStringLiteral("the folder cannot be written to"));
            return false;
        }
        folder_ = info.absoluteFilePath();
        if (!folder_.endsWith(u'/'))
            folder_ += u'/';
        return true;
    }

    // Unless given, the font and colour the window would draw with.
    void ChooseOverlayStyle()
    {
        LOGFONTW record = r_.font ? *r_.font : LoadFontRecord(keys::kCurrentFont, OverlayFontDefaults());
        if (record.lfFaceName.isEmpty())
            record = RecordFromFont(QGuiApplication::font());
        font_ = FontFromRecord(record);
        colour_ = r_.colour ? *r_.colour
                            : ColourFromColorref(static_cast<COLORREF>(platform::SettingsStore::GetProfileInt(
                                  keys::kCurrentFont, keys::kCurrentColor, 0)));
    }

    bool ConvertOne(const QString& argument)
    {
        const QString path = QFileInfo(argument).absoluteFilePath();
        PhotoDocument photo;
        if (!OpenPhoto(argument, path, photo))
            return false;
        const auto size = OutputSize(argument, photo);
        if (!size)
            return false;
        QString displayName;
        GetDisplayFileName(path, displayName);
        const QString output = r_.outputFile.isEmpty() ? ProposeOutputFile(folder_, displayName) : r_.outputFile;
        if (!CanWrite(output))
            return false;

        // Held from the first pixel drawn to the last one written.
        const std::int64_t held =
            budget_.Acquire(std::int64_t{photo.Width()} * photo.Height() + std::int64_t{size->width()} * size->height());
        const bool saved = Convert(argument, photo, *size, output);
        budget_.Release(held);
        if (saved && !r_.quiet) {
            const std::lock_guard lock(output_);
            progress_.Clear();
            PrintSaved(output);
        }
        return saved;
    }

    bool Convert(const QString& argument, const PhotoDocument& photo, const QSize& size, const QString& output)
    {
        PhotoConversion conversion(photo, size.width(), size.height());
        if (!platform::Succeeded(conversion.SetResolution()))
            Fail(argument, IDS_STRING113);
        if (!platform::Succeeded(conversion.SetInterpolationMode()))
            Fail(argument, IDS_STRING114);
        if (!platform::Succeeded(conversion.DrawPhoto())) {
            Fail(argument, IDS_STRING115);
            return false;
        }
        DrawText(argument, conversion, size);
        // A picture that did not turn is not saved as if it had.
        if (!platform::Succeeded(conversion.RotateFlip(ChooseRotateFlip(r_.rotate, r_.flip).type))) {
            Fail(argument, IDS_STRING117);
            return false;
        }
        if (!platform::Succeeded(conversion.Save(output, encoder_))) {
            Fail(output, IDS_STRING118);
            return false;
        }
        return true;
    }

    // Opens the photo as Open Photo does, and makes the asked frame the active one.
    bool OpenPhoto(const QString& argument, const QString& path, PhotoDocument& photo)
    {
        if (path.size() > kMaxPathChars) {
            Fail(argument, IDS_STRING126);
            return false;
        }
        photo.Open(path, false, r_.autoOrient);
        if (photo.Width() <= 0 || photo.Height() <= 0) {
            Fail(argument, photo.Width() <= 0 ? IDS_STRING126 : IDS_STRING127);
            return false;
        }
        if (photo.Image()->ColourProfileIgnored())
            Fail(argument, QStringLiteral("warning: its colour profile is unusable; its colours are taken as sRGB"));
        photo.ListFrameDimensions();
        if (!r_.frame || *r_.frame == 0)
            return true;
        if (*r_.frame >= photo.FrameCount(0)) {
            Fail(argument, IDS_STRING121);
            return false;
        }
        if (!platform::Succeeded(photo.SelectFrame(0, *r_.frame))) {
            Fail(argument, IDS_STRING115);
            return false;
        }
        return true;
    }

    // The size asked for, a missing side kept at the active frame's aspect ratio as the
    // calculator keeps it.
    std::optional<QSize> OutputSize(const QString& argument, const PhotoDocument& photo)
    {
        int width = r_.width.value_or(photo.Width());
        int height = r_.height.value_or(photo.Height());
        if (r_.width && !r_.height)
            height = HeightForWidth(photo.Width(), photo.Height(), width);
        else if (r_.height && !r_.width)
            width = WidthForHeight(photo.Width(), photo.Height(), height);
        if (width <= 0 || height <= 0) {
            Fail(argument, width <= 0 ? IDS_STRING111 : IDS_STRING112);
            return std::nullopt;
        }
        return QSize(width, height);
    }

    // The text line where asked; a position outside the picture moves to 0, and is told, as in the window.
    void DrawText(const QString& argument, PhotoConversion& conversion, const QSize& size)
    {
        if (r_.text.isEmpty())
            return;
        const OverlayPosition p = CorrectOverlayPosition(r_.textX, r_.textY, size.width(), size.height());
        if (p.xReset)
            Fail(argument, IDS_STRING130);
        if (p.yReset)
            Fail(argument, IDS_STRING131);
        // Fonts are shared by every worker; one draws at a time.
        const std::lock_guard lock(text_);
        conversion.DrawText(r_.text, font_, colour_, p.x, p.y);
    }

    // Whether output may be written: never over a special file, over another photo's output of
    // this run, or, without --overwrite, over anything already there. The name is then taken, so
    // no other photo of the run writes it.
    bool CanWrite(const QString& output)
    {
        std::unique_lock lock(names_);
        if (output.size() > kMaxPathChars || platform::IsSpecialFile(output)) {
            lock.unlock();
            Fail(output, IDS_STRING118);
            return false;
        }
        if (taken_.contains(output)) {
            lock.unlock();
            Fail(output, QStringLiteral("also the output of another photo of this run; not replaced"));
            return false;
        }
        if (!r_.overwrite && AnythingAt(output)) {
            lock.unlock();
            Fail(output, QStringLiteral("file exists; use --overwrite to replace it"));
            return false;
        }
        taken_.insert(output);
        return true;
    }

    const ConversionRequest& r_;
    ProgressLine progress_;
    QString folder_;
    QFont font_;
    QColor colour_;
    platform::Guid encoder_{};
    PixelBudget budget_{platform::kMaxImagePixels};
    std::atomic<int> next_{0};
    std::atomic<int> failed_{0};
    std::mutex output_;  // standard output, standard error and the progress line
    std::mutex names_;
    std::mutex text_;
    QSet<QString> taken_;
};

}  // namespace

int RunCommandLineConversion(const ConversionRequest& request)
{
    return BatchConversion(request).Run();
}
