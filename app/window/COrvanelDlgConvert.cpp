// The main window's conversion commands: Convert and Browse.
#include "app/window/COrvanelDlg.h"
#include "convert/PrintSaved.h"
#include "convert/EncoderLookup.h"
#include "convert/PhotoPaths.h"
#include "convert/RotateFlipChoice.h"
#include "convert/PhotoConversion.h"
#include "platform/files/FileSystem.h"
#include "platform/services/SettingsStore.h"
#include "platform/services/TextToLong.h"
#include "platform/ui/WaitCursor.h"
#include "res/ResourceIds.h"
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
    if (platform::FileExists(m_strOutputFile)) {
        const int answer = Message(Text(IDS_STRING120, {m_strOutputFile}), Text(IDS_MESSAGE_WARNING),
                                   platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
        if (answer != platform::IDYES)
            return;
    }
    platform::WaitCursor wait;
    ConvertPhoto();
}

int COrvanelDlg::ConvertPhoto()
{
    if (!ReadOutputSize())
        return 0;

    PhotoConversion conversion(m_photo, m_nOutputWidth, m_nOutputHeight);
    if (!platform::Succeeded(conversion.SetResolution()))
        ErrorMessage(IDS_STRING113);
    if (!platform::Succeeded(conversion.SetInterpolationMode()))
        ErrorMessage(IDS_STRING114);
    if (!platform::Succeeded(conversion.DrawPhoto())) {
        ErrorMessage(IDS_STRING115);
        return 0;
    }

    DrawOverlayText(conversion);

    const RotateFlipChoice choice = ChooseRotateFlip(m_nRotateAngel, m_nFlipType);
    if (!choice.angleKnown)
        ErrorMessage(IDS_STRING116);
    if (!platform::Succeeded(conversion.RotateFlip(choice.type)))
        ErrorMessage(IDS_STRING117);

    // Without a PNG encoder the empty identifier makes the save fail, and that is reported.
    platform::Guid encoder{};
    FindEncoderByMimeType(QStringLiteral("image/png"), encoder);

    UpdateData(true);
    const QString typed = GetDlgItemText(IDC_EDIT_OUTPUT_FILE);
    m_szOutputFile = typed.left(kMaxPathChars);
    // A path longer than the program keeps is refused rather than saved under a cut name.
    const bool saved = typed.size() <= kMaxPathChars &&
                       platform::Succeeded(conversion.Save(m_szOutputFile, encoder));
    if (!saved) {
        Message(Text(IDS_STRING118), typed.size() <= kMaxPathChars ? m_szOutputFile : typed);
    } else {
        PrintSaved(m_szOutputFile);
    }
    return 1;
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
