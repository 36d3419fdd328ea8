#include "batch/BatchConversion.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <QSize>

#include "batch/BatchScheduler.h"
#include "batch/CaptionLayout.h"
#include "batch/OutputFolderProblem.h"
#include "batch/OutputNames.h"
#include "batch/OwnOutputs.h"
#include "batch/PhotoFileProblem.h"
#include "batch/ReasonTexts.h"
#include "convert/ConversionSequence.h"
#include "convert/PhotoDocument.h"
#include "convert/PhotoPaths.h"
#include "convert/RotateFlipChoice.h"
#include "convert/SizeRule.h"
#include "lang/MessageTexts.h"
#include "imaging/ConversionMemory.h"
#include "imaging/ImagingLimits.h"
#include "imaging/checks/JpegCoefficientBuffer.h"
#include "services/SystemInfo.h"
#include "system/FileSystem.h"
#include "system/LocalFileName.h"
#include "system/TemporaryName.h"
#include "res/ResourceIds.h"
#include "settings/UserOutputFolder.h"

namespace {

QString NoFontText()
{
    return QCoreApplication::translate("CommandLine", "the text cannot be drawn: no font is installed");
}

// What was said of the photo a thread converts.
struct PhotoLog {
    int index = -1;
    QString photo;
    QString reason;  // the first thing told that is not a warning
    bool exists = false;
    CaptionLayout caption;
};
thread_local PhotoLog* t_log = nullptr;

class BatchConversion {
public:
    BatchConversion(const ConversionRequest& request, const QList<BatchPhoto>& photos, BatchListener& listener,
                    const std::atomic<bool>* cancel, const MessageTexts& texts)
        : r_(request), texts_(texts), photos_(photos), listener_(listener), cancel_(cancel)
    {
    }

    BatchSummary Run()
    {
        const std::optional<QString> folder = ChooseOutputFolder();
        if (!folder) {
            summary_.folderUnusable = true;
            return summary_;
        }
        if (photos_.isEmpty())
            return summary_;
        names_.emplace(r_.outputFile, *folder, r_.namingPattern, r_.besidePhotos);
        if (!NameOutputs()) {
            summary_.namesRefused = true;
            return summary_;
        }
        FindOwnOutputs(*folder);
        FindClashes();
        scheduler_.emplace(static_cast<int>(photos_.size()));
        listener_.Planned(scheduler_->Workers());
        scheduler_->Run([this](int index) { Convert(index); });
        return summary_;
    }

private:
    // The conversion's questions answered from the request, its messages told to the listener.
    class Host final : public ConversionHost {
    public:
        Host(BatchConversion& batch, const QString& photo, const QString& output, const QByteArray& localOutput)
            : batch_(batch), photo_(photo), output_(output), localOutput_(localOutput)
        {
        }
        void Tell(int messageId, const QString& subject, const platform::Failure& why) override
        {
            batch_.Fail(subject.isEmpty() ? photo_ : subject,
                        WithReason(batch_.texts_.Get(messageId), FailureReason(why)));
        }
        std::optional<OverlayLine> Overlay() override
        {
            if (batch_.r_.text.isEmpty())
                return std::nullopt;
            const CaptionLayout& c = t_log->caption;
            return OverlayLine{batch_.r_.text, c.x, c.y, c.font, batch_.r_.caption.colour};
        }
        QString OutputPath() override { return output_; }
        OutputKeeping Keeping() override
        {
            return {batch_.r_.details, batch_.r_.dateAsTaken, batch_.r_.dpi, batch_.r_.png, batch_.r_.background};
        }
        QByteArray OutputLocalName(const QString&) override { return localOutput_; }
        // Without --overwrite, a file that appeared at the output since it was checked is kept.
        bool MayReplaceOutput() override { return batch_.r_.overwrite; }
        void OutputExists(const QString& path) override { batch_.Exists(path); }
        void Saved(const QString& path) override { batch_.listener_.Saved(t_log->index, path); }

    private:
        BatchConversion& batch_;
        const QString& photo_;
        const QString& output_;
        const QByteArray& localOutput_;
    };

    // Memory may run out anywhere, telling included: the photo fails, told as far as it can be,
    // and the run goes on.
    void Convert(int index) noexcept
    {
        bool counted = false;
        try {
            ConvertAndTell(index, counted);
        } catch (...) {
            t_log = nullptr;
            if (!counted)
                Count(PhotoResult::Failed);
            try {
                listener_.Finished(index, PhotoResult::Failed,
                                   FailureReason(platform::Failure::Of(platform::Failure::Kind::OutOfMemory)));
            } catch (...) {
            }
        }
    }

    void ConvertAndTell(int index, bool& counted)
    {
        const BatchPhoto& photo = photos_[index];
        if (ownOutput_[index]) {
            {
                const std::lock_guard lock(countMutex_);
                ++summary_.ownOutputs;
            }
            counted = true;
            listener_.Finished(index, PhotoResult::Kept,
                               QCoreApplication::translate("CommandLine", "an output of this run, not converted again"));
            return;
        }
        if (Cancelled()) {
            Count(PhotoResult::Cancelled);
            counted = true;
            listener_.Finished(index, PhotoResult::Cancelled, QString());
            return;
        }
        // Read once: the memory held for its opening and its decoder depend on it.
        const platform::PhotoFormat format = PhotoFormatOf(QFileInfo(photo.path).absoluteFilePath());
        listener_.Started(index, format);
        PhotoLog log{index, photo.path, {}, false, {}};
        t_log = &log;
        bool converted = false;
        try {
            converted = ConvertOne(photo, outputs_[static_cast<std::size_t>(index)], format, clashes_[index]);
        } catch (const std::exception&) {  // memory running out outside the imaging layer
            Fail(photo.path, WithReason(texts_.Get(IDS_STRING115),
                                        FailureReason(platform::Failure::Of(platform::Failure::Kind::OutOfMemory))));
        }
        t_log = nullptr;
        // An output already there is kept, which is no failure: a rerun after an interruption
        // converts what is left and ends as a run that converted it all.
        const PhotoResult result = converted                                  ? PhotoResult::Converted
                                   : Cancelled() && log.reason.isEmpty()      ? PhotoResult::Cancelled
                                   : log.exists                               ? PhotoResult::Kept
                                                                              : PhotoResult::Failed;
        Count(result);
        counted = true;
        listener_.Finished(index, result, log.reason);
    }

    void Count(PhotoResult result)
    {
        const std::lock_guard lock(countMutex_);
        switch (result) {
        case PhotoResult::Converted: ++summary_.converted; break;
        case PhotoResult::Kept: ++summary_.kept; break;
        case PhotoResult::Failed: ++summary_.failed; break;
        case PhotoResult::Cancelled: ++summary_.cancelled; break;
        }
    }

    bool Cancelled() const { return cancel_ && cancel_->load(); }

    void Fail(const QString& subject, const QString& message)
    {
        listener_.Told(t_log ? t_log->index : -1, subject, message);
        // What stopped the photo rather than what it went on despite.
        if (t_log && (t_log->reason.isEmpty() || (IsWarningText(t_log->reason) && !IsWarningText(message))))
            t_log->reason = subject == t_log->photo ? message : QStringLiteral("%1: %2").arg(subject, message);
    }
    void Fail(const QString& subject, int messageId) { Fail(subject, texts_.Get(messageId)); }

    // An output that is there already, kept: news, not a failure.
    void Exists(const QString& output)
    {
        t_log->exists = true;
        t_log->reason = QStringLiteral("%1: %2").arg(
            output, QCoreApplication::translate("CommandLine", "file exists; use --overwrite to replace it"));
        listener_.Kept(t_log->index, output);
    }

    // The folder outputs go to (none with an output file, or beside the photos); nothing when it
    // cannot be used.
    std::optional<QString> ChooseOutputFolder()
    {
        if (!r_.outputFile.isEmpty()) {
            // Said before any photo is opened, as for --output-dir, rather than as a failed save.
            const QString folder = GetFolderOfPath(r_.outputFile);
            if (const auto problem = OutputFolderProblem(folder.isEmpty() ? QStringLiteral(".") : folder)) {
                Fail(folder, *problem);
                return std::nullopt;
            }
            return QString();
        }
        if (r_.besidePhotos)
            return QString();  // each photo's own
        if (r_.outputFolder.isEmpty())
            return UserOutputFolder(platform::QueryOsMajorVersion(), [this](const QString& text) { Fail({}, text); });
        const PreparedOutputFolder prepared = PrepareOutputFolder(r_.outputFolder);
        if (prepared.problem) {
            Fail(r_.outputFolder, *prepared.problem);
            return std::nullopt;
        }
        if (prepared.made)
            listener_.OutputFolderMade(r_.outputFolder);
        QString folder = QFileInfo(r_.outputFolder).absoluteFilePath();
        if (!folder.endsWith(u'/'))
            folder += u'/';
        return folder;
    }

    // The photos of a folder walked that are outputs of this very run (the output folder inside
    // the tree walked, or the same folder), so that a rerun never converts its own outputs.
    void FindOwnOutputs(const QString& folder)
    {
        ownOutput_ = OwnOutputs(photos_, outputs_, folder);
    }

    // Every photo's output, before any is converted; false, each told, when a naming pattern the
    // user chose gives some photo no name or one over the limits. (The default's names fail their
    // photos alone, as they always did.)
    bool NameOutputs()
    {
        const bool ownPattern = r_.namingPattern != kDefaultNamingPattern;
        const bool readPhotos = r_.outputFile.isEmpty() && PatternReadsPhotos(r_.namingPattern);
        std::vector<QString> problems(static_cast<std::size_t>(photos_.size()));
        bool named = true;
        for (qsizetype i = 0; i < photos_.size(); ++i) {
            const QString path = QFileInfo(photos_[i].path).absoluteFilePath();
            NamingFacts facts;
            facts.index = static_cast<int>(i) + 1;
            if (readPhotos)
                ReadNamingFacts(path, facts);
            outputs_.push_back(names_->For(path, photos_[i].addedFolder, facts));
            const OutputName& output = outputs_.back();
            const QString why =
                output.local.isEmpty() ? QCoreApplication::translate("CommandLine", "the naming pattern gives it no name")
                : output.local.size() - (output.local.lastIndexOf('/') + 1) > platform::kMaxFileNameBytes
                    ? NameTooLongReason(platform::kMaxFileNameBytes)
                    : QString();
            if (ownPattern && !why.isEmpty()) {
                problems[static_cast<std::size_t>(i)] = why;
                named = false;
            }
        }
        if (named)
            return true;
        // Nothing converts: the photos the pattern cannot name fail saying why, the others are not begun.
        for (qsizetype i = 0; i < photos_.size(); ++i) {
            const QString& why = problems[static_cast<std::size_t>(i)];
            const int index = static_cast<int>(i);
            if (!why.isEmpty())
                listener_.Told(index, photos_[i].path, why);
            Count(why.isEmpty() ? PhotoResult::Cancelled : PhotoResult::Failed);
            listener_.Finished(index, why.isEmpty() ? PhotoResult::Cancelled : PhotoResult::Failed, why);
        }
        return false;
    }

    // What a pattern may say of the photo at path beyond its name: when it was taken (else when
    // its file was last written) and its output's size.
    void ReadNamingFacts(const QString& path, NamingFacts& facts) const
    {
        PhotoDocument photo;
        photo.Open(path, false, r_.autoOrient);
        std::optional<platform::TakenTime> taken;
        if (photo.Image())
            taken = photo.Image()->Details().Taken();
        if (!taken) {
            const QDateTime modified = QFileInfo(path).lastModified();
            const QDate d = modified.date();
            const QTime t = modified.time();
            taken = platform::TakenTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), std::nullopt};
        }
        facts.taken = *taken;
        if (photo.Width() > 0 && photo.Height() > 0) {
            const QSize turned = TurnedSize(photo);
            const QSize size = OutputSizeOf(SizeRuleOf(r_), turned.width(), turned.height());
            facts.width = size.width();
            facts.height = size.height();
        }
    }

    // Two photos that reach one output name: the one listed first writes it, whichever opens
    // first, so that a run's outputs never depend on the order its photos finish in.
    void FindClashes()
    {
        clashes_.assign(photos_.size(), false);
        if (!r_.outputFile.isEmpty())
            return;  // one photo only
        QSet<QByteArray> seen;
        for (qsizetype i = 0; i < photos_.size(); ++i) {
            if (ownOutput_[i])
                continue;
            const QByteArray& local = outputs_[static_cast<std::size_t>(i)].local;
            clashes_[i] = seen.contains(local);
            seen.insert(local);
        }
    }

    bool ConvertOne(const BatchPhoto& photoToConvert, const OutputName& output, platform::PhotoFormat format, bool clash)
    {
        const QString& argument = photoToConvert.path;
        const QString path = QFileInfo(argument).absoluteFilePath();
        // Held from before the photo is opened to the last byte written, and given back whatever
        // happens: at first what opening may take, then, its size known, what the conversion takes.
        const int pipelineThreads = scheduler_->PipelineThreads();
        const int writerShare = scheduler_->WriterShare();
        // A multi-scan JPEG's header tells what libjpeg will keep of it, before any of it is decoded.
        const std::int64_t coefficients =
            format == platform::PhotoFormat::Jpeg ? platform::JpegCoefficientBufferBytes(path) : 0;
        MemoryBudget::Hold held(scheduler_->Budget(),
                                platform::OpeningBytes(format, pipelineThreads, writerShare, coefficients));
        // An output already there keeps its photo from being opened at all.
        if (!CanWrite(argument, output, clash))
            return false;
        PhotoDocument photo;
        if (Cancelled() || !OpenPhoto(argument, path, format, photo) || Cancelled())
            return false;
        const QSize turned = TurnedSize(photo);
        const QSize size = OutputSizeOf(SizeRuleOf(r_), turned.width(), turned.height());
        if (const int message = OutputSizeMessage(size.width(), size.height())) {
            Fail(argument, WithReason(texts_.Get(message),
                                      ZeroSideReason(SizeRuleOf(r_), turned.width(), turned.height())));
            return false;
        }
        // One message with the limit, rather than each step failing in turn.
        if (size.width() > 0 && size.height() > 0 && !platform::FitsImageLimit(size.width(), size.height())) {
            Fail(argument, QCoreApplication::translate("CommandLine", "an output of %1 x %2 pixels is above the limit of %3 pixels")
                               .arg(size.width()).arg(size.height()).arg(platform::kMaxImagePixels));
            return false;
        }
        if (!LayOutCaptionOf(argument, size))
            return false;
        if (!MakeOutputFolder(photoToConvert, output))
            return false;

        const std::int64_t bytes = platform::ConversionBytes({format, photo.Width(), photo.Height(),
                                                              std::max(size.width(), 0), std::max(size.height(), 0),
                                                              pipelineThreads, writerShare, coefficients,
                                                              photo.Image()->WholeFrameBytes()});
        // Under an address-space limit, a conversion that cannot fit is refused before it starts,
        // rather than left to run memory out inside a library.
        if (!scheduler_->Affords(bytes)) {
            Fail(argument, WithReason(texts_.Get(IDS_STRING115),
                                      FailureReason(platform::Failure::Of(platform::Failure::Kind::OutOfMemory))));
            return false;
        }
        held.Resize(bytes);
        Host host(*this, argument, output.path, output.local);
        const ConversionOutcome outcome =
            RunConversion(photo, size.width(), size.height(), r_.rotate, r_.flip, host, cancel_, nullptr,
                          StepOrder::TurnThenSize);
        if (outcome.cancelled)
            return false;
        if (outcome.saved)
            TellWarnings(argument, *photo.Image());
        if (outcome.saved && outcome.undated)
            Fail(argument, WarningText(QCoreApplication::translate(
                               "CommandLine", "it says nowhere when it was taken; its output is dated when written")));
        if (!outcome.textDrawn)
            Fail(argument, NoFontText());
        // A picture saved without its turn or its text is not the one asked for.
        return outcome.saved && outcome.turned && outcome.textDrawn;
    }

    // What the photo was converted despite, found while it was read.
    void TellWarnings(const QString& argument, const platform::Image& image)
    {
        using platform::PhotoWarning;
        if (image.Warned(PhotoWarning::OrientationIgnored))
            Fail(argument, WarningText(QCoreApplication::translate(
                               "CommandLine", "its EXIF orientation is none of 1 to 8; its pixels are kept as stored")));
        if (image.Warned(PhotoWarning::DetailsDropped))
            Fail(argument, WarningText(QCoreApplication::translate("CommandLine", "its details (EXIF, XMP, IPTC) are damaged or too large and were left out")));
        if (image.Warned(PhotoWarning::DataAfterPicture))
            Fail(argument, WarningText(QCoreApplication::translate(
                               "CommandLine", "its image data goes on after the last row; the rest was ignored")));
    }

    // The caption at its size and place on a picture of size; false (told) when it cannot be drawn.
    bool LayOutCaptionOf(const QString& argument, const QSize& size)
    {
        if (r_.text.isEmpty())
            return true;
        // A picture without the caption asked for is not the one asked for: nothing is written.
        CaptionLayout& caption = t_log->caption;
        caption = LayOutCaption(r_.text, r_.caption, size);
        if (caption.fontMissing) {
            Fail(argument, NoFontText());
            return false;
        }
        if (!caption.fits) {
            Fail(argument, QCoreApplication::translate("CommandLine", "the caption cannot be drawn: it does not fit on a picture of %1 x %2 pixels even at %3 pixels high")
                               .arg(size.width()).arg(size.height()).arg(kSmallestCaptionPixels));
            return false;
        }
        if (caption.pixels < caption.askedPixels)
            Fail(argument, WarningText(QCoreApplication::translate("CommandLine", "the caption is drawn %1 pixels high instead of %2, to fit on the picture")
                                           .arg(caption.pixels).arg(caption.askedPixels)));
        return true;
    }

    // Opens the photo as Open Photo does, and makes the asked frame the active one.
    bool OpenPhoto(const QString& argument, const QString& path, platform::PhotoFormat format, PhotoDocument& photo)
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
        // A file whose first bytes could not be read is read again by the engine, which says why.
        photo.Open(path, false, r_.autoOrient,
                   format == platform::PhotoFormat::Unknown ? std::nullopt : std::optional(format));
        if (photo.Width() <= 0 || photo.Height() <= 0) {
            // A file that is no photo, or cannot be read, says only that.
            const platform::Failure why = photo.LastFailure();
            using Kind = platform::Failure::Kind;
            if (why.kind == Kind::NotAPhoto || why.kind == Kind::System) {
                Fail(argument, FailureReason(why));
                return false;
            }
            const QString message = texts_.Get(photo.Width() <= 0 ? IDS_STRING126 : IDS_STRING127);
            Fail(argument, WithReason(message, FailureReason(why)));
            return false;
        }
        if (photo.Image()->ColourProfileIgnored())
            Fail(argument, WarningText(QCoreApplication::translate(
                               "CommandLine", "its colour profile is unusable; its colours are taken as sRGB")));
        photo.ListFrameDimensions();
        if (!r_.frame || *r_.frame == 0)
            return true;
        if (*r_.frame >= photo.FrameCount(0)) {
            Fail(argument, WithReason(texts_.Get(IDS_STRING121),
                                      FrameRangeReason(*r_.frame, static_cast<int>(photo.FrameCount(0)))));
            return false;
        }
        if (!platform::Succeeded(photo.SelectFrame(0, *r_.frame))) {
            Fail(argument, WithReason(texts_.Get(IDS_STRING115), FailureReason(photo.LastFailure())));
            return false;
        }
        return true;
    }

    // The active frame's size once turned: a batch sizes the picture the user will see.
    QSize TurnedSize(const PhotoDocument& photo) const
    {
        const bool quarter = TurnsAQuarter(ChooseRotateFlip(r_.rotate, r_.flip).type);
        return quarter ? QSize(photo.Height(), photo.Width()) : QSize(photo.Width(), photo.Height());
    }

    // A photo of a folder given whole writes into as many folders below the output folder.
    bool MakeOutputFolder(const BatchPhoto& photo, const OutputName& output)
    {
        if (photo.addedFolder.isEmpty() || r_.besidePhotos)
            return true;
        const QByteArray folder = output.local.left(output.local.lastIndexOf('/') + 1);
        if (platform::MakeFolders(folder))
            return true;
        Fail(GetFolderOfPath(output.path), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    // Takes the output's name for photo, or tells why it cannot be written.
    bool CanWrite(const QString& photo, const OutputName& output, bool clash)
    {
        // A pattern may name a PNG photo's output after the photo itself (beside it, or with the
        // output folder its own): replacing outputs never replaces the photo.
        if (r_.overwrite && platform::SameFile(output.local, platform::LocalFileName(QFileInfo(photo).absoluteFilePath()))) {
            Fail(photo, QCoreApplication::translate("CommandLine", "not converted: its output %1 would replace the photo itself")
                            .arg(output.path));
            return false;
        }
        switch (clash ? OutputClaim::OutputOfAnother : names_->Claim(output, r_.overwrite)) {
        case OutputClaim::Granted:
            return true;
        case OutputClaim::NameTooLong:
            Fail(output.path, NameTooLongReason(platform::kMaxFileNameBytes));
            break;
        case OutputClaim::PathTooLong:
            Fail(output.path, PathTooLongReason(kMaxPathChars));
            break;
        case OutputClaim::Unwritable:
            Fail(output.path, IDS_STRING118);
            break;
        case OutputClaim::OutputOfAnother:
            Fail(photo, QCoreApplication::translate("CommandLine", "not converted: its output %1 is the output of another photo of this run")
                            .arg(output.path));
            break;
        case OutputClaim::Exists:
            Exists(output.path);
            break;
        }
        return false;
    }

    const ConversionRequest& r_;
    const MessageTexts& texts_;
    const QList<BatchPhoto>& photos_;
    BatchListener& listener_;
    const std::atomic<bool>* const cancel_;
    std::optional<OutputNames> names_;
    std::vector<OutputName> outputs_;  // by index
    std::vector<bool> clashes_;    // by index: a photo listed earlier has the same output
    std::vector<bool> ownOutput_;  // by index: an output of this run, found by a folder walk
    std::optional<BatchScheduler> scheduler_;
    std::mutex countMutex_;
    BatchSummary summary_;  // under countMutex_ while the photos convert
};

}  // namespace

BatchSummary RunBatchConversion(const ConversionRequest& request, const QList<BatchPhoto>& photos,
                                BatchListener& listener, const std::atomic<bool>* cancel, const MessageTexts& texts)
{
    return BatchConversion(request, photos, listener, cancel, texts).Run();
}
