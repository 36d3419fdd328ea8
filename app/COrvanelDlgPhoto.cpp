// The main window's photo commands: opening a photo, its frames, and the output size calculator.
#include <algorithm>

#include "app/COrvanelDlg.h"
#include "convert/KeepRatio.h"
#include "convert/FrameDimensionNames.h"
#include "convert/FrameNumber.h"
#include "convert/PhotoPaths.h"
#include "platform/ui/SettingsStore.h"
#include "platform/ui/TextToLong.h"
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
        {QStringLiteral("Photo Files (*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.exif;*.wmf;*.emf;*.dib)"),
         QStringLiteral("*.bmp;*.gif;*.png;*.tif;*.jpg;*.jpeg;*.ico;*.exif;*.wmf;*.emf;*.dib;*.raw;*.tiff")},
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
    if (!chosen)
        return;
    // A path the program cannot keep whole is refused before anything changes.
    if (chosen->size() > kMaxPathChars) {
        Message(Text(IDS_STRING126), *chosen);
        return;
    }
    m_szPhotoFile = *chosen;
    SettingsStore::WriteProfileString(keys::kOption, keys::kLastPhotoFolder, GetFolderOfPath(m_szPhotoFile));

    m_pImage.reset();
    m_pImage = platform::Image::LoadFromFile(m_szPhotoFile);
    if (QWidget* preview = GetDlgItem(IDC_STATIC_PREVIEW))
        preview->repaint();  // drawn at once, before any message below

    QString displayName;
    GetDisplayFileName(m_szPhotoFile, displayName);
    m_strOutputFile = ProposeOutputFile(m_strOutputFolder, displayName);
    SetDlgItemText(IDC_EDIT_OUTPUT_FILE, m_strOutputFile);
    EnableDlgItem(IDC_EDIT_OUTPUT_FILE, true);

    m_nPhotoWidth = static_cast<int>(m_pImage->Width());
    m_nPhotoHeight = static_cast<int>(m_pImage->Height());
    if (m_nPhotoWidth <= 0) {
        Message(Text(IDS_STRING126), m_szPhotoFile);
        return;
    }
    if (m_nPhotoHeight <= 0) {
        Message(Text(IDS_STRING127), m_szPhotoFile);
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
    m_pDimensionIDs.clear();
    m_nDimensionCount = 0;
    m_nFrameCount.fill(0);

    m_pDimensionIDs = m_pImage->FrameDimensionsList();
    // Only as many dimensions as the frame counts can hold are listed.
    if (m_pDimensionIDs.size() > kMaxFrameDimensions)
        m_pDimensionIDs.resize(kMaxFrameDimensions);
    m_nDimensionCount = static_cast<unsigned>(m_pDimensionIDs.size());

    m_comboDimension.ResetContent();
    for (unsigned i = 0; i < m_nDimensionCount; ++i) {
        m_comboDimension.InsertString(static_cast<int>(i), FrameDimensionName(m_pDimensionIDs[i], static_cast<int>(i)));
        m_nFrameCount[i] = static_cast<int>(std::min<unsigned>(m_pImage->FrameCount(m_pDimensionIDs[i]), INT32_MAX));
        SetDlgItemText(IDC_STATIC_FRAME_RANGE,
                       FormatText(QStringLiteral("Set frame from 0 to %d"), {m_nFrameCount[i] - 1}));
    }
    m_comboDimension.SetCurSel(m_nDimensionCount > 0 ? 0 : -1);
    m_comboDimension.ShowWindow(m_nDimensionCount >= 2);
    SetDlgItemText(IDC_EDIT_FRAME_NUMBER, QStringLiteral("0"));
    const bool severalFrames = m_nFrameCount[0] > 1;
    ShowDlgItem(IDC_EDIT_FRAME_NUMBER, severalFrames);
    ShowDlgItem(IDC_STATIC_FRAME_RANGE, severalFrames);
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
    if (s < 0 || static_cast<unsigned>(s) >= m_nDimensionCount)
        return;
    SetDlgItemText(IDC_STATIC_FRAME_RANGE, Text(IDS_STRING122, {m_nFrameCount[s] - 1}));
}

void COrvanelDlg::OnEnUpdateFrameNumber()
{
    const int s = m_comboDimension.GetCurSel();
    // Without a listed dimension there is no frame to choose, and nothing to correct.
    if (!m_pImage || s < 0 || static_cast<unsigned>(s) >= m_nDimensionCount)
        return;
    const QString text = GetDlgItemText(IDC_EDIT_FRAME_NUMBER, kFrameEditChars);
    if (text.isEmpty())
        return;
    const int typed = platform::TextToLong(text);
    const auto frame = ClampFrameNumber(typed, m_nFrameCount[s]);
    if (!frame)
        return;
    if (*frame != typed) {
        // The corrected text runs this handler once more, nested, and that pass shows the frame.
        SetDlgItemInt(IDC_EDIT_FRAME_NUMBER, *frame);
        return;
    }
    m_pImage->SelectActiveFrame(m_pDimensionIDs[s], static_cast<unsigned>(*frame));
    InvalidateAndUpdate();
}

void COrvanelDlg::OnEnKillfocusFrameNumber()
{
    if (!m_pImage || m_pDimensionIDs.empty())
        return;
    const int s = m_comboDimension.GetCurSel();
    if (s < 0 || static_cast<unsigned>(s) >= m_nDimensionCount)
        return;
    const QString text = GetDlgItemText(IDC_EDIT_FRAME_NUMBER, kFrameEditChars);
    if (text.isEmpty())
        return;
    const int n = platform::TextToLong(text);
    if (n >= 0 && n < m_nFrameCount[s]) {
        m_pImage->SelectActiveFrame(m_pDimensionIDs[s], static_cast<unsigned>(n));
        InvalidateAndUpdate();
        return;
    }
    ErrorMessage(IDS_STRING121);
}

void COrvanelDlg::OnBnClickedButtonBaseWidth()
{
    if (m_szPhotoFile.isEmpty()) {
        ErrorMessage(IDS_STRING108);
        return;
    }
    m_nOutputWidth = ReadIntEdit(IDC_EDIT_OUTPUT_WIDTH, kSizeEditChars);
    m_nOutputHeight = HeightForWidth(m_nPhotoWidth, m_nPhotoHeight, m_nOutputWidth);
    SetDlgItemInt(IDC_EDIT_OUTPUT_HEIGHT, m_nOutputHeight);
}

void COrvanelDlg::OnBnClickedButtonBaseHeight()
{
    if (m_szPhotoFile.isEmpty()) {
        ErrorMessage(IDS_STRING108);
        return;
    }
    m_nOutputHeight = ReadIntEdit(IDC_EDIT_OUTPUT_HEIGHT, kSizeEditChars);
    m_nOutputWidth = WidthForHeight(m_nPhotoWidth, m_nPhotoHeight, m_nOutputHeight);
    SetDlgItemInt(IDC_EDIT_OUTPUT_WIDTH, m_nOutputWidth);
}
