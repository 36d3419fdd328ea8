// The main window's conversion commands: Convert and Browse.
#include "app/window/COrvanelDlg.h"
#include "batch/ChoiceWords.h"
#include "batch/ReasonTexts.h"
#include "app/window/WindowThreadHost.h"
#include "convert/PrintSaved.h"
#include "convert/ConversionSequence.h"
#include "convert/PhotoPaths.h"
#include "system/FileSystem.h"
#include "services/SettingsStore.h"
#include "services/TextToLong.h"
#include "imaging/ConversionProgress.h"
#include "widgets/BackgroundWork.h"
#include "widgets/WaitCursor.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"
#include "settings/SettingsKeys.h"

namespace {
constexpr int kSaveNameCapacity = 512;
}  // namespace

void COrvanelDlg::OnBnClickedButtonConvert()
{
    if (!m_photo.IsChosen()) {
        ErrorMessage(IDS_STRING108);
        return;
    }
    UpdateData(true);
    // A FIFO or a device is never written to, nor even opened to see whether it exists.
    if (platform::IsSpecialFile(m_strOutputFile)) {
        Message(Text(IDS_STRING118), m_strOutputFile);
        return;
    }
    // The old file is kept until a complete new one replaces it, so a failed conversion loses nothing.
    // Whatever is there is asked about, even a file the user cannot read.
    if (platform::AnythingToReplace(m_strOutputFile)) {
        const int answer = Message(Text(IDS_STRING120, {m_strOutputFile}), Text(IDS_MESSAGE_WARNING),
                                   platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
        if (answer != platform::IDYES)
            return;
    }
    platform::WaitCursor wait;
    ConvertPhoto();
}

class COrvanelDlg::ConversionInWindow final : public ConversionHost {
public:
    explicit ConversionInWindow(COrvanelDlg& dlg) : dlg_(dlg) {}

    // The message as it has always read, with the reason after it where the engine gave one.
    void Tell(int messageId, const QString& subject, const platform::Failure& why) override
    {
        const QString text = WithReason(dlg_.Text(messageId), FailureReason(why));
        dlg_.Message(text, messageId == IDS_STRING118 ? subject : dlg_.Text(IDS_MESSAGE_ERROR));
    }

    std::optional<OverlayLine> Overlay() override
    {
        OverlayLine line;
        line.text = dlg_.GetDlgItemText(IDC_EDIT_TEXT);
        if (line.text.isEmpty())
            return std::nullopt;
        line.x = dlg_.ReadIntEdit(IDC_EDIT_TEXT_X, kPositionEditChars);
        line.y = dlg_.ReadIntEdit(IDC_EDIT_TEXT_Y, kPositionEditChars);
        line.font = FontFromRecord(dlg_.m_CurrentFont);
        line.colour = ColourFromColorref(dlg_.m_nCurrentColor);
        return line;
    }

    void OverlayMovedToZero(bool horizontal) override
    {
        dlg_.SetDlgItemText(horizontal ? IDC_EDIT_TEXT_X : IDC_EDIT_TEXT_Y, QStringLiteral("0"));
    }

    QString OutputPath() override
    {
        dlg_.UpdateData(true);
        return dlg_.GetDlgItemText(IDC_EDIT_OUTPUT_FILE);
    }

    void Saved(const QString& path) override { PrintSaved(path); }

    // Where the photo was taken is never kept from this window: it is the private detail most
    // easily given away by a picture passed on.
    OutputKeeping Keeping() override
    {
        OutputKeeping keeping;
        if (dlg_.m_keepPhotoDetails)
            keeping.details = platform::DetailsChoice::NoLocation;
        // No menu offers it: a key of its own, for those who want the smaller or the faster file
        // here too; the file as it always was when it is absent or unknown.
        keeping.png = PngEffortNamed(platform::SettingsStore::GetProfileString(keys::kOption, keys::kPngEffort, QString()))
                          .value_or(platform::PngEffort::Normal);
        return keeping;
    }

private:
    COrvanelDlg& dlg_;
};

int COrvanelDlg::ConvertPhoto()
{
    m_nOutputWidth = ReadIntEdit(IDC_EDIT_OUTPUT_WIDTH, kSizeEditChars);
    m_nOutputHeight = ReadIntEdit(IDC_EDIT_OUTPUT_HEIGHT, kSizeEditChars);
    ConversionInWindow host(*this);
    // The work runs beside the window, which keeps painting; its questions and messages come
    // back to the window's thread in their order. Cancel stops it with nothing written.
    // The progress shows how many rows are drawn and written.
    platform::ConversionProgress progress;
    platform::BackgroundWork work(*this, m_strOutputFile, [&progress] { return platform::ProgressPercent(progress); });
    WindowThreadHost hostFromWork(host, work);
    ConversionOutcome outcome;
    const bool ended = work.Run([&] {
        outcome = RunConversion(m_photo, m_nOutputWidth, m_nOutputHeight, m_nRotateAngel, m_nFlipType, hostFromWork,
                                &work.CancelFlag(), &progress);
    });
    // Memory running out outside the imaging layer ends this conversion, not the window.
    if (!ended)
        host.Tell(IDS_STRING115, {}, platform::Failure::Of(platform::Failure::Kind::OutOfMemory));
    return outcome.saveAttempted ? 1 : 0;
}

void COrvanelDlg::OnBnClickedButtonOutputFileBrowse()
{
    const qsizetype slash = m_strOutputFile.lastIndexOf(u'/');
    platform::FileDialogRequest r;
    r.owner = this;
    r.filters = {{QStringLiteral("PNG file"), QStringLiteral("*.png")}};
    r.selectedFilter = 0;
    r.initialName = QStringLiteral("*.*");
    r.initialFolder = slash < 0 ? QStringLiteral(".") : m_strOutputFile.left(slash);
    r.title = QStringLiteral("Select Output");
    r.flags = platform::OFN_HIDEREADONLY;
    r.nameCapacity = kSaveNameCapacity;
    const auto chosen = platform::CurrentPrompts().SaveFile(r);
    if (!chosen)
        return;
    m_strOutputFile = WithPngExtension(*chosen);
    m_strOutputFolder = GetFolderOfPath(m_strOutputFile);
    platform::SettingsStore::WriteProfileString(keys::kOption, keys::kLastOutputFolder, m_strOutputFolder);
    SetDlgItemText(IDC_EDIT_OUTPUT_FILE, m_strOutputFile);
}
