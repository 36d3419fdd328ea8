// The main window's text line: its position checks, and the Font button that picks the overlay's
// font and colour.
#include "app/window/COrvanelDlg.h"
#include "convert/ConversionSequence.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"

bool COrvanelDlg::ReadOutputSize()
{
    m_nOutputWidth = ReadIntEdit(IDC_EDIT_OUTPUT_WIDTH, kSizeEditChars);
    m_nOutputHeight = ReadIntEdit(IDC_EDIT_OUTPUT_HEIGHT, kSizeEditChars);
    if (const int message = OutputSizeMessage(m_nOutputWidth, m_nOutputHeight)) {
        ErrorMessage(message);
        return false;
    }
    return true;
}

void COrvanelDlg::OnEnKillfocusTextX()
{
    if (!m_photo.IsChosen() || !ReadOutputSize())
        return;
    // A negative x is let through here; the conversion corrects it.
    if (ReadIntEdit(IDC_EDIT_TEXT_X, kPositionEditChars) >= m_nOutputWidth)
        ErrorMessage(IDS_STRING123);
}

void COrvanelDlg::OnEnKillfocusTextY()
{
    if (!m_photo.IsChosen() || !ReadOutputSize())
        return;
    const int y = ReadIntEdit(IDC_EDIT_TEXT_Y, kPositionEditChars);
    if (y >= m_nOutputHeight || y < 0)
        ErrorMessage(IDS_STRING124);
}

void COrvanelDlg::OnBnClickedButtonFont()
{
    platform::FontDialogRequest request;
    request.owner = this;
    request.font = FontFromRecord(m_CurrentFont);
    request.colour = ColourFromColorref(0);  // the choice starts at black every time
    request.flags = platform::CF_SCREENFONTS | platform::CF_EFFECTS;
    const auto choice = platform::CurrentPrompts().ChooseFont(request);
    if (!choice)
        return;
    m_CurrentFont = RecordFromFont(choice->font);
    m_nCurrentColor = ColorrefFromColour(choice->colour);
    SetDlgItemText(IDC_STATIC_FONT_NAME, m_CurrentFont.lfFaceName);
}
