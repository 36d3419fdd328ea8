// The main window's photo commands: opening a photo, its frames, and the output size calculator.
#include "app/window/COrvanelDlg.h"
#include "batch/ReasonTexts.h"
#include "convert/KeepRatio.h"
#include "convert/FrameDimensionNames.h"
#include "convert/FrameNumber.h"
#include "convert/PhotoExtensions.h"
#include "convert/PhotoPaths.h"
#include "services/SettingsStore.h"
#include "services/TextToLong.h"
#include "widgets/WaitCursor.h"
#include "res/ResourceIds.h"
#include "settings/SettingsKeys.h"

using platform::SettingsStore;

namespace {
constexpr int kOpenNameCapacity = 520;

platform::FileDialogRequest PhotoOpenRequest(QWidget* owner, const QString& folder)
{
    platform::FileDialogRequest r;
    r.owner = owner;
    r.filters = {
        // The classic list first, then the formats our decoders add.
        {QStringLiteral("Photo Files (*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.exif;*.wmf;*.emf;*.dib;"
                        "*.webp;*.heic;*.heif;*.avif;*.jxl;*.jp2;*.j2k;"
                        "*.dng;*.cr2;*.cr3;*.nef;*.arw;*.orf;*.rw2;*.raf;*.pef;*.srw)"),
         PhotoPatterns()},
        {QStringLiteral("Any Files (*.*)"), QStringLiteral("*.*;")},
    };
    r.selectedFilter = 0;
    r.initialFolder = folder;
    r.title = QStringLiteral("Select a Photo file...");
    r.flags = platform::OFN_EXPLORER | platform::OFN_FILEMUSTEXIST | platform::OFN_PATHMUSTEXIST |
              platform::OFN_READONLY;
    r.nameCapacity = kOpenNameCapacity;
    return r;
}
}  // namespace

void COrvanelDlg::OnBnClickedButtonOpenPhoto()
{
    const QString folder = SettingsStore::GetProfileString(keys::kOption, keys::kLastPhotoFolder, QString());
    const auto chosen = platform::CurrentPrompts().OpenFile(PhotoOpenRequest(this, folder));
    if (chosen)
        OpenChosenPhoto(*chosen);
}

void COrvanelDlg::OpenChosenPhoto(const QString& chosen)
{
    // A path the program cannot keep whole is refused before anything changes.
    if (chosen.size() > kMaxPathChars) {
        Message(Text(IDS_STRING126), chosen);
        return;
    }
    SettingsStore::WriteProfileString(keys::kOption, keys::kLastPhotoFolder, GetFolderOfPath(chosen));

    {
        const platform::WaitCursor wait;
        m_photo.Open(chosen);
        if (QWidget* preview = GetDlgItem(IDC_STATIC_PREVIEW))
            preview->repaint();  // drawn at once, before any message below
    }

    const QString& photoFile = m_photo.Path();
    QString displayName;
    GetDisplayFileName(photoFile, displayName);
    m_strOutputFile = ProposeOutputFile(m_strOutputFolder, displayName);
    SetDlgItemText(IDC_EDIT_OUTPUT_FILE, m_strOutputFile);
    EnableDlgItem(IDC_EDIT_OUTPUT_FILE, true);

    m_nPhotoWidth = m_photo.Width();
    m_nPhotoHeight = m_photo.Height();
    if (m_nPhotoWidth <= 0 || m_nPhotoHeight <= 0) {
        const int message = m_nPhotoWidth <= 0 ? IDS_STRING126 : IDS_STRING127;
        Message(WithReason(Text(message), FailureReason(m_photo.LastFailure())), photoFile);
        return;
    }
    SetDlgItemInt(IDC_EDIT_OUTPUT_WIDTH, m_nPhotoWidth);
    SetDlgItemInt(IDC_EDIT_OUTPUT_HEIGHT, m_nPhotoHeight);
    EnableDlgItem(IDC_EDIT_OUTPUT_WIDTH, true);
    EnableDlgItem(IDC_EDIT_OUTPUT_HEIGHT, true);
    SetDlgItemText(IDC_STATIC_PHOTO_INFO,
                   FormatText(QStringLiteral("%s %d * %d"), {displayName, m_nPhotoWidth, m_nPhotoHeight}));

    ListFrameDimensions();
    CheckTextPositionAgainstPhoto();
}

void COrvanelDlg::ListFrameDimensions()
{
    m_photo.ListFrameDimensions();
    const int count = static_cast<int>(m_photo.DimensionCount());
    m_comboDimension.ResetContent();
    for (int i = 0; i < count; ++i) {
        m_comboDimension.InsertString(i, FrameDimensionName(m_photo.Dimension(i), i));
        SetDlgItemText(IDC_STATIC_FRAME_RANGE,
                       FormatText(QStringLiteral("Set frame from 0 to %d"), {m_photo.FrameCount(i) - 1}));
    }
    m_comboDimension.SetCurSel(count > 0 ? 0 : -1);
    m_comboDimension.ShowWindow(count >= 2);
    SetDlgItemText(IDC_EDIT_FRAME_NUMBER, QStringLiteral("0"));
    const bool severalFrames = m_photo.FrameCount(0) > 1;
    ShowDlgItem(IDC_EDIT_FRAME_NUMBER, severalFrames);
    ShowDlgItem(IDC_STATIC_FRAME_RANGE, severalFrames);
    NameEditsAfterLabels();
}

void COrvanelDlg::CheckTextPositionAgainstPhoto()
{
    const int x = ReadIntEdit(IDC_EDIT_TEXT_X, kPositionEditChars);
    const int y = ReadIntEdit(IDC_EDIT_TEXT_Y, kPositionEditChars);
    if (x >= m_nPhotoWidth) {
        Message(Text(IDS_STRING128), Text(IDS_MESSAGE_WARNING));
        SetDlgItemText(IDC_EDIT_TEXT_X, QStringLiteral("0"));
    }
    if (y >= m_nPhotoHeight) {
        Message(Text(IDS_STRING129), Text(IDS_MESSAGE_WARNING));
        SetDlgItemText(IDC_EDIT_TEXT_Y, QStringLiteral("0"));
    }
}

void COrvanelDlg::OnCbnSelchangeFrameDimension()
{
    const int s = m_comboDimension.GetCurSel();
    if (s < 0 || static_cast<unsigned>(s) >= m_photo.DimensionCount())
        return;
    SetDlgItemText(IDC_STATIC_FRAME_RANGE, Text(IDS_STRING122, {m_photo.FrameCount(s) - 1}));
    NameEditsAfterLabels();
}

std::optional<COrvanelDlg::TypedFrame> COrvanelDlg::ReadFrameNumber()
{
    const int s = m_comboDimension.GetCurSel();
    // Without a listed dimension there is no frame to choose, and nothing to correct.
    if (s < 0 || static_cast<unsigned>(s) >= m_photo.DimensionCount())
        return std::nullopt;
    const QString text = GetDlgItemText(IDC_EDIT_FRAME_NUMBER, kFrameEditChars);
    if (text.isEmpty())
        return std::nullopt;
    const int typed = platform::TextToLong(text);
    const std::optional<int> frame = ClampFrameNumber(typed, m_photo.FrameCount(s));
    if (!frame)
        return std::nullopt;
    return TypedFrame{s, typed, *frame};
}

void COrvanelDlg::ShowFrame(int dimension, int frame)
{
    const platform::WaitCursor wait;
    m_photo.SelectFrame(dimension, frame);
    InvalidateAndUpdate();
}

void COrvanelDlg::OnEnUpdateFrameNumber()
{
    const std::optional<TypedFrame> typed = ReadFrameNumber();
    if (!typed)
        return;
    if (!typed->InRange()) {
        // The corrected text runs this handler once more, nested, and that pass shows the frame.
        SetDlgItemInt(IDC_EDIT_FRAME_NUMBER, typed->frame);
        return;
    }
    ShowFrame(typed->dimension, typed->frame);
}

void COrvanelDlg::OnEnKillfocusFrameNumber()
{
    const std::optional<TypedFrame> typed = ReadFrameNumber();
    if (!typed)
        return;
    if (typed->InRange())
        ShowFrame(typed->dimension, typed->frame);
    else
        ErrorMessage(IDS_STRING121);
}

void COrvanelDlg::OnBnClickedButtonBaseWidth()
{
    if (!m_photo.IsChosen()) {
        ErrorMessage(IDS_STRING108);
        return;
    }
    m_nOutputWidth = ReadIntEdit(IDC_EDIT_OUTPUT_WIDTH, kSizeEditChars);
    m_nOutputHeight = HeightForWidth(m_nPhotoWidth, m_nPhotoHeight, m_nOutputWidth);
    SetDlgItemInt(IDC_EDIT_OUTPUT_HEIGHT, m_nOutputHeight);
}

void COrvanelDlg::OnBnClickedButtonBaseHeight()
{
    if (!m_photo.IsChosen()) {
        ErrorMessage(IDS_STRING108);
        return;
    }
    m_nOutputHeight = ReadIntEdit(IDC_EDIT_OUTPUT_HEIGHT, kSizeEditChars);
    m_nOutputWidth = WidthForHeight(m_nPhotoWidth, m_nPhotoHeight, m_nOutputHeight);
    SetDlgItemInt(IDC_EDIT_OUTPUT_WIDTH, m_nOutputWidth);
}
