#include "app/cli/CommandLineConversion.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QSet>
#include <QSize>
#include <QThread>

#include "app/cli/BatchReport.h"
#include "app/cli/BatchThreads.h"
#include "app/cli/PhotoFileProblem.h"
#include "app/cli/MemoryBudget.h"
#include "convert/ConversionSequence.h"
#include "convert/KeepRatio.h"
#include "convert/PhotoDocument.h"
#include "convert/PhotoPaths.h"
#include "services/Prompts.h"
#include "lang/CLanguage.h"
#include "imaging/ConversionMemory.h"
#include "imaging/ImagingLimits.h"
#include "imaging/ImagingRuntime.h"
#include "imaging/ImagingThreads.h"
#include "system/FileSystem.h"
#include "system/LocalFileName.h"
#include "services/SettingsStore.h"
#include "services/SystemInfo.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"
#include "settings/SettingsKeys.h"
#include "settings/UserOutputFolder.h"

namespace {

const QString kNoFont = QStringLiteral("the text cannot be drawn: no font is installed");
const QString kExists = QStringLiteral("file exists; use --overwrite to replace it");

class BatchConversion {
public:
    explicit BatchConversion(const ConversionRequest& request)
        : r_(request), report_(static_cast<int>(request.photos.size()), request.quiet)
    {
    }

    int Run()
    {
        if (!ChooseOutputFolder())
            return 2;
        ChooseOverlayStyle();
        // Messages from below the conversion (the language manager, the imaging layer) are
        // reported like the conversion's own, naming the photo they concern.
        auto previous = platform::InstallPrompts(report_.MakePrompts());
        report_.RouteLibraryMessages();
        // Reading and decoding a photo uses one core; while it does, another photo is resized and
        // written on the others. One worker per core, within the pixel budget.
        // Planned on the cores this process may use (its affinity, its cgroup's quota).
        const BatchThreads plan = PlanBatchThreads(platform::UsableCores(), static_cast<int>(r_.photos.size()));
        platform::SetPipelineThreads(plan.pipelineThreads);
        workers_ = plan.sideBySide;
        pipelineThreads_ = plan.pipelineThreads;
        writerShare_ = (plan.writerThreads + plan.sideBySide - 1) / plan.sideBySide;
        budget_.emplace(platform::BatchBudgetBytes(pipelineThreads_, writerShare_));
        const int workers = workers_;
        std::vector<std::thread> others;
        for (int k = 1; k < workers; ++k)
            others.emplace_back([this] {
                Work();
                platform::EndImagingThread();
            });
        Work();
        for (std::thread& t : others)
            t.join();
        report_.StopLibraryMessages();
        platform::InstallPrompts(std::move(previous));
        report_.Finish();
        return failed_ == 0 ? 0 : 1;
    }

private:
    // The conversion's questions answered from the command line, its messages reported.
    class Host final : public ConversionHost {
    public:
        Host(BatchConversion& batch, const QString& photo, const QString& output, const QByteArray& localOutput)
            : batch_(batch), photo_(photo), output_(output), localOutput_(localOutput)
        {
        }
        void Tell(int messageId, const QString& subject) override
        {
            batch_.Fail(subject.isEmpty() ? photo_ : subject, messageId);
        }
        std::optional<OverlayLine> Overlay() override
        {
            if (batch_.r_.text.isEmpty())
                return std::nullopt;
            return OverlayLine{batch_.r_.text, batch_.r_.textX, batch_.r_.textY, batch_.font_, batch_.colour_};
        }
        QString OutputPath() override { return output_; }
        QByteArray OutputLocalName(const QString&) override { return localOutput_; }
        // Without --overwrite, a file that appeared at the output since it was checked is kept.
        bool MayReplaceOutput() override { return batch_.r_.overwrite; }
        void OutputExists(const QString& path) override { batch_.Fail(path, kExists); }
        void Saved(const QString& path) override { batch_.report_.Saved(path); }

    private:
        BatchConversion& batch_;
        const QString& photo_;
        const QString& output_;
        const QByteArray& localOutput_;
    };

    // Takes the next photo until none is left.
    void Work()
    {
        for (int i = next_++; i < r_.photos.size(); i = next_++) {
            const QString& photo = r_.photos[i];
            report_.Progress(i, QFileInfo(photo).fileName(), workers_);
            const BatchReport::PhotoScope scope(report_, photo, LoaderOf(photo));
            bool converted = false;
            try {
                converted = ConvertOne(photo);
            } catch (const std::exception&) {  // memory running out outside the imaging layer
                Fail(photo, IDS_STRING115);
            }
            if (!converted)
                ++failed_;
        }
    }

    void Fail(const QString& subject, const QString& message) { report_.Error(subject, message); }
    void Fail(const QString& subject, int messageId) { Fail(subject, theLanguage.GetString(messageId)); }

    bool ChooseOutputFolder()
    {
        if (!r_.outputFile.isEmpty())
            return true;
        if (r_.outputFolder.isEmpty()) {
            folder_ = UserOutputFolder(platform::QueryOsMajorVersion(),
                                       [this](const QString& text) { Fail({}, text); });
            SetLocalFolder();
            return true;
        }
        const QFileInfo info(r_.outputFolder);
        if (!info.isDir()) {
            Fail(r_.outputFolder, info.exists() ? QStringLiteral("not a folder") : QStringLiteral("no such folder"));
            return false;
        }
        if (!info.isWritable()) {
            Fail(r_.outputFolder, QStringLiteral("the folder cannot be written to"));
            return false;
        }
        folder_ = info.absoluteFilePath();
        if (!folder_.endsWith(u'/'))
            folder_ += u'/';
        SetLocalFolder();
        return true;
    }

    void SetLocalFolder()
    {
        localFolder_ = platform::LocalFileName(folder_);
        if (!localFolder_.isEmpty() && !localFolder_.endsWith('/'))
            localFolder_ += '/';
    }

    // Unless given, the font and colour the window would draw with.
    void ChooseOverlayStyle()
    {
        LOGFONTW record = r_.font ? *r_.font : LoadFontRecord(keys::kCurrentFont, OverlayFontDefaults());
        if (record.lfFaceName.isEmpty())
            record = RecordFromFont(QGuiApplication::font());
        font_ = FontFromRecord(record);
        // The font system substitutes any face it lacks; with no font at all there is nothing to draw with.
        fontMissing_ = !r_.text.isEmpty() && QFontInfo(font_).family().isEmpty();
        colour_ = r_.colour ? *r_.colour
                            : ColourFromColorref(static_cast<COLORREF>(platform::SettingsStore::GetProfileInt(
                                  keys::kCurrentFont, keys::kCurrentColor, 0)));
    }

    bool ConvertOne(const QString& argument)
    {
        // A picture without the text asked for is not the one asked for: nothing is written.
        if (fontMissing_) {
            Fail(argument, kNoFont);
            return false;
        }
        const QString path = QFileInfo(argument).absoluteFilePath();
        // Held from before the photo is opened to the last byte written, and given back whatever
        // happens: at first what opening may take, then, its size known, what the conversion takes.
        const platform::PhotoFormat format = PhotoFormatOf(path);
        MemoryBudget::Hold held(*budget_, platform::OpeningBytes(format, pipelineThreads_, writerShare_));
        PhotoDocument photo;
        if (!OpenPhoto(argument, path, photo))
            return false;
        const QSize size = OutputSize(photo);
        // One message with the limit, rather than each step failing in turn.
        if (size.width() > 0 && size.height() > 0 && !platform::FitsImageLimit(size.width(), size.height())) {
            Fail(argument, QStringLiteral("an output of %1 x %2 pixels is above the limit of %3 pixels")
                               .arg(size.width()).arg(size.height()).arg(platform::kMaxImagePixels));
            return false;
        }
        QString displayName;
        GetDisplayFileName(path, displayName);
        const QString output = r_.outputFile.isEmpty() ? ProposeOutputFile(folder_, displayName) : r_.outputFile;
        // The output's name on disk keeps the bytes of a photo name that is not UTF-8.
        const QByteArray localOutput =
            r_.outputFile.isEmpty() ? ProposeLocalOutputFile(localFolder_, platform::LocalFileName(path), displayName)
                                    : platform::LocalFileName(r_.outputFile);
        if (!CanWrite(argument, output, localOutput))
            return false;

        held.Resize(platform::ConversionBytes({format, photo.Width(), photo.Height(), std::max(size.width(), 0),
                                               std::max(size.height(), 0), pipelineThreads_, writerShare_}));
        Host host(*this, argument, output, localOutput);
        const ConversionOutcome outcome = RunConversion(photo, size.width(), size.height(), r_.rotate, r_.flip, host);
        if (!outcome.textDrawn)
            Fail(argument, kNoFont);
        // A picture saved without its turn or its text is not the one asked for.
        return outcome.saved && outcome.turned && outcome.textDrawn;
    }

    // Opens the photo as Open Photo does, and makes the asked frame the active one.
    bool OpenPhoto(const QString& argument, const QString& path, PhotoDocument& photo)
    {
        if (path.size() > kMaxPathChars) {
            Fail(argument, IDS_STRING126);
            return false;
        }
        // A missing file, a folder, an unreadable file and a file that is no photo each say so.
        if (const auto problem = FileProblem(path)) {
            Fail(argument, *problem);
            return false;
        }
        photo.Open(path, false, r_.autoOrient);
        if (photo.Width() <= 0 || photo.Height() <= 0) {
            if (const auto problem = NotAPhotoProblem(path))
                Fail(argument, *problem);
            else
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
    // calculator keeps it; the conversion refuses a side that comes out 0.
    QSize OutputSize(const PhotoDocument& photo) const
    {
        int width = r_.width.value_or(photo.Width());
        int height = r_.height.value_or(photo.Height());
        if (r_.width && !r_.height)
            height = HeightForWidth(photo.Width(), photo.Height(), width);
        else if (r_.height && !r_.width)
            width = WidthForHeight(photo.Width(), photo.Height(), height);
        return QSize(width, height);
    }

    // Whether output may be written: never over a special file, over another photo's output of
    // this run (the photo that comes second is told), or, without --overwrite, over anything
    // already there. The name is then taken, so no other photo of the run writes it. Without
    // --overwrite the save checks again as it publishes.
    bool CanWrite(const QString& photo, const QString& output, const QByteArray& localOutput)
    {
        std::unique_lock lock(names_);
        if (output.size() > kMaxPathChars || platform::IsSpecialFile(localOutput)) {
            lock.unlock();
            Fail(output, IDS_STRING118);
            return false;
        }
        if (taken_.contains(localOutput)) {
            lock.unlock();
            Fail(photo, QStringLiteral("not converted: its output %1 is the output of another photo of this run")
                            .arg(output));
            return false;
        }
        if (!r_.overwrite && platform::AnythingAt(localOutput)) {
            lock.unlock();
            Fail(output, kExists);
            return false;
        }
        taken_.insert(localOutput);
        return true;
    }

    const ConversionRequest& r_;
    BatchReport report_;
    QString folder_;
    QByteArray localFolder_;
    QFont font_;
    QColor colour_;
    bool fontMissing_ = false;
    std::optional<MemoryBudget> budget_;
    int workers_ = 1;
    int pipelineThreads_ = 1;
    int writerShare_ = 1;  // the PNG writer's helpers of one conversion, its share of the allowance
    std::atomic<int> next_{0};
    std::atomic<int> failed_{0};
    std::mutex names_;
    QSet<QByteArray> taken_;  // by their bytes: two names that are not UTF-8 may read alike
};

}  // namespace

int RunCommandLineConversion(const ConversionRequest& request)
{
    return BatchConversion(request).Run();
}
