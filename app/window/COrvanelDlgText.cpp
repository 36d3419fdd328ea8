// The main window's text line: its position checks, the overlay step of a conversion, and the
// Font button that picks the overlay's font and colour.
#include "app/window/COrvanelDlg.h"
#include "convert/OverlayPosition.h"
#include "convert/PhotoConversion.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"

void COrvanelDlg::DrawOverlayText(PhotoConversion& conversion)
{
    const QString text = GetDlgItemText(IDC_EDIT_TEXT);
    if (text.isEmpty())
        return;
    const OverlayPosition p = CorrectOverlayPosition(ReadIntEdit(IDC_EDIT_TEXT_X, kPositionEditChars),
                                                     ReadIntEdit(IDC_EDIT_TEXT_Y, kPositionEditChars),
                                                     m_nOutputWidth, m_nOutputHeight);
    if (p.xReset) {
        ErrorMessage(IDS_STRING130);
        SetDlgItemText(IDC_EDIT_TEXT_X, QStringLiteral("0"));
    }
    if (p.yReset) {
        ErrorMessage(IDS_STRING131);
        SetDlgItemText(IDC_EDIT_TEXT_Y, QStringLiteral("0"));
    }
    conversion.DrawText(text, FontFromRecord(m_CurrentFont), ColourFromColorref(m_nCurrentColor), p.x, p.y);
}

bool COrvanelDlg::ReadOutputSize()
{
    m_nOutputWidth = ReadIntEdit(IDC_EDIT_OUTPUT_WIDTH, kSizeEditChars);
    m_nOutputHeight = ReadIntEdit(IDC_EDIT_OUTPUT_HEIGHT, kSizeEditChars);
    if (m_nOutputWidth <= 0) {
        ErrorMessage(IDS_STRING111);
        return false;
    }
    if (m_nOutputHeight <= 0) {
        ErrorMessage(IDS_STRING112);
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
