#include "app/window/COrvanelDlg.h"

#include <algorithm>
#include <span>

#include <QComboBox>

#include "settings/UserOutputFolder.h"
#include "lang/CLanguage.h"
#include "services/SettingsStore.h"
#include "services/SystemInfo.h"
#include "widgets/KeyboardContextMenu.h"
#include "widgets/PaintArea.h"
#include "services/TextToLong.h"
#include "res/DialogTemplates.h"
#include "res/Icon.h"
#include "res/ResourceIds.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"
#include "settings/SettingsKeys.h"

using platform::Notification;
using platform::SettingsStore;

namespace {
struct RadioValue {
    int id;
    int value;
};
constexpr RadioValue kRotateRadios[] = {{IDC_RADIO_ROTATE_0, 0},
                                        {IDC_RADIO_ROTATE_90, 90},
                                        {IDC_RADIO_ROTATE_180, 180},
                                        {IDC_RADIO_ROTATE_270, 270}};
constexpr RadioValue kFlipRadios[] = {
    {IDC_RADIO_FLIP_NO, 0}, {IDC_RADIO_FLIP_HORIZONTAL, 1}, {IDC_RADIO_FLIP_VERTICAL, 2}};

// Checks the radio button of value and unchecks the rest of its group; false, touching none,
// when no button stands for value.
bool CheckRadioFor(platform::CDialog& dlg, std::span<const RadioValue> radios, int value)
{
    const bool known = std::any_of(radios.begin(), radios.end(), [value](const RadioValue& r) { return r.value == value; });
    if (known) {
        for (const RadioValue& r : radios)
            dlg.CheckDlgButton(r.id, r.value == value);
    }
    return known;
}
}  // namespace

COrvanelDlg::COrvanelDlg(QWidget* parent) : platform::CDialog(MainDialogTemplate(), parent)
{
    SetTemplateIcon(ApplicationIcon());
    setAcceptDrops(true);
    BuildMessageMap();
    LoadCurrentFont();
    m_nCurrentColor = static_cast<COLORREF>(SettingsStore::GetProfileInt(keys::kCurrentFont, keys::kCurrentColor, 0));
}

COrvanelDlg::~COrvanelDlg() = default;

void COrvanelDlg::BuildMessageMap()
{
    const auto on = [this](int id, Notification n, void (COrvanelDlg::*handler)()) {
        MapMessage(id, n, [this, handler] { (this->*handler)(); });
    };
    on(IDC_BUTTON_OPEN_PHOTO, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonOpenPhoto);
    on(IDC_BUTTON_CONVERT, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonConvert);
    on(IDC_BUTTON_OUTPUT_FILE_BROWSE, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonOutputFileBrowse);
    on(IDC_BUTTON_BASE_WIDTH, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonBaseWidth);
    on(IDC_BUTTON_BASE_HEIGHT, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonBaseHeight);
    on(IDC_RADIO_ROTATE_0, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioRotate0);
    on(IDC_RADIO_ROTATE_90, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioRotate90);
    on(IDC_RADIO_ROTATE_180, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioRotate180);
    on(IDC_RADIO_ROTATE_270, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioRotate270);
    on(IDC_RADIO_FLIP_NO, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioFlipNo);
    on(IDC_RADIO_FLIP_HORIZONTAL, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioFlipHorizontal);
    on(IDC_RADIO_FLIP_VERTICAL, Notification::Clicked, &COrvanelDlg::OnBnClickedRadioFlipVertical);
    on(IDC_EDIT_FRAME_NUMBER, Notification::KillFocus, &COrvanelDlg::OnEnKillfocusFrameNumber);
    on(IDC_COMBO_FRAME_DIMENSION, Notification::SelChange, &COrvanelDlg::OnCbnSelchangeFrameDimension);
    on(IDC_EDIT_FRAME_NUMBER, Notification::Update, &COrvanelDlg::OnEnUpdateFrameNumber);
    on(IDC_EDIT_TEXT_X, Notification::KillFocus, &COrvanelDlg::OnEnKillfocusTextX);
    on(IDC_EDIT_TEXT_Y, Notification::KillFocus, &COrvanelDlg::OnEnKillfocusTextY);
    on(IDC_BUTTON_FONT, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonFont);
    on(IDC_BUTTON_EXIT, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonExit);
    on(IDC_BUTTON_HOMEPAGE, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonHomepage);
    on(IDC_BUTTON_HELP, Notification::Clicked, &COrvanelDlg::OnBnClickedButtonHelp);
}

void COrvanelDlg::DoDataExchange(platform::DataExchange& dx)
{
    DDX_Text(dx, IDC_EDIT_OUTPUT_FILE, m_strOutputFile);
    DDV_MaxChars(dx, IDC_EDIT_OUTPUT_FILE, m_strOutputFile, kOutputFileEditChars);
    if (!m_comboDimension.IsAttached())
        m_comboDimension.Attach(qobject_cast<QComboBox*>(GetDlgItem(IDC_COMBO_FRAME_DIMENSION)));
}

bool COrvanelDlg::OnInitDialog()
{
    UpdateData(false);
    setWindowIcon(ApplicationIcon());
    if (auto* preview = qobject_cast<platform::PaintArea*>(GetDlgItem(IDC_STATIC_PREVIEW)))
        preview->SetPainter([this](QPainter& painter, const QRect& area) { PaintPreview(painter, area); });

    m_osvi = platform::QueryOsMajorVersion();
    if (!m_osvi)
        Message(QStringLiteral("Can get Windows Version!"), QStringLiteral("Error"));
    theLanguage.ApplyToDialog(*this, IDD_PROGRAM_PNG_CAPTION);

    m_strOutputFolder =
        UserOutputFolder(m_osvi, [this](const QString& text) { Message(text, QStringLiteral("Error")); });
    SetDlgItemText(IDC_EDIT_OUTPUT_FILE, m_strOutputFolder);
    m_strOutputFile = m_strOutputFolder;
    EnableDlgItem(IDC_EDIT_OUTPUT_FILE, false);
    EnableDlgItem(IDC_EDIT_OUTPUT_WIDTH, false);
    EnableDlgItem(IDC_EDIT_OUTPUT_HEIGHT, false);
    UpdateData(false);

    // A stored value that names no button is reported and kept as it is until the user picks one.
    m_nRotateAngel = SettingsStore::GetProfileInt(keys::kOption, keys::kRotateAngle, 0);
    if (!CheckRadioFor(*this, kRotateRadios, m_nRotateAngel))
        Message(QStringLiteral("Unknown rotate angle!"), QStringLiteral("Error"));
    m_nFlipType = SettingsStore::GetProfileInt(keys::kOption, keys::kFlipType, 0);
    if (!CheckRadioFor(*this, kFlipRadios, m_nFlipType))
        Message(QStringLiteral("Unknown flip type!"), QStringLiteral("Error"));

    m_keepPhotoDetails = SettingsStore::GetProfileInt(keys::kOption, keys::kKeepPhotoDetails, 0) == 1;

    m_comboDimension.ShowWindow(false);
    ShowDlgItem(IDC_EDIT_FRAME_NUMBER, false);
    ShowDlgItem(IDC_STATIC_FRAME_RANGE, false);
    SetDlgItemText(IDC_EDIT_TEXT_X, QStringLiteral("0"));
    SetDlgItemText(IDC_EDIT_TEXT_Y, QStringLiteral("0"));
    // Without a stored face the overlay starts in the font the window itself shows.
    if (m_CurrentFont.lfFaceName.isEmpty())
        m_CurrentFont = RecordFromFont(font());
    SetDlgItemText(IDC_STATIC_FONT_NAME, m_CurrentFont.lfFaceName);
    if (QWidget* preview = GetDlgItem(IDC_STATIC_PREVIEW))
        preview->setAccessibleName(QStringLiteral("Photo preview"));
    NameEditsAfterLabels();
    // The Menu key and Shift+F10 open the right-click menu wherever the focus is.
    platform::KeyboardContextMenu::Install(*this, [this](const QPoint& point) { ShowLanguageMenu(point); });
    GotoDlgCtrl(IDC_BUTTON_OPEN_PHOTO);
    return true;
}

void COrvanelDlg::LoadCurrentFont()
{
    m_CurrentFont = LoadFontRecord(keys::kCurrentFont, OverlayFontDefaults());
}

void COrvanelDlg::SaveCurrentFont()
{
    SaveFontRecord(keys::kCurrentFont, m_CurrentFont);
}

void COrvanelDlg::OnPopupMenuFont()
{
    platform::FontDialogRequest request;
    request.owner = this;
    request.font = theLanguage.InterfaceFont().value_or(font());
    request.colour = ColourFromColorref(0);  // offered, but the interface has no colour
    request.flags = platform::CF_SCREENFONTS | platform::CF_EFFECTS;
    const auto choice = platform::CurrentPrompts().ChooseFont(request);
    if (!choice)
        return;
    theLanguage.SaveInterfaceFont(choice->font);
    theLanguage.ApplyToDialog(*this, IDD_PROGRAM_PNG_CAPTION);
    NameEditsAfterLabels();
}

void COrvanelDlg::SaveSettingsAndClose()
{
    UpdateData(true);  // a failed length check is reported and the closing goes on
    SettingsStore::WriteProfileInt(keys::kOption, keys::kRotateAngle, m_nRotateAngel);
    SettingsStore::WriteProfileInt(keys::kOption, keys::kFlipType, m_nFlipType);
    SettingsStore::WriteProfileString(keys::kOption, keys::kCurrentLanguage, theLanguage.GetCurrentLanguage());
    SettingsStore::WriteProfileString(keys::kOption, keys::kLastOutputFolder, m_strOutputFolder);
    SaveCurrentFont();
    SettingsStore::WriteProfileInt(keys::kCurrentFont, keys::kCurrentColor, static_cast<int>(m_nCurrentColor));
    SettingsStore::Save();  // the file is written once, whole; one that cannot be is not told
    m_photo = PhotoDocument();  // a paint after closing shows no photo
}

void COrvanelDlg::OnClose()
{
    SaveSettingsAndClose();
    OnCancel();
}

void COrvanelDlg::OnBnClickedButtonExit()
{
    SaveSettingsAndClose();
    OnCancel();
}

void COrvanelDlg::PaintPreview(QPainter& painter, const QRect& area)
{
    if (!area.isEmpty())
        m_photo.DrawPreview(painter, area);
}

QString COrvanelDlg::Text(int id, const std::vector<FormatValue>& values) const
{
    return FormatText(theLanguage.GetString(id), values);
}

int COrvanelDlg::Message(const QString& text, const QString& caption, unsigned type)
{
    return platform::CurrentPrompts().MessageBox(this, text, caption, type);
}

void COrvanelDlg::ErrorMessage(int id)
{
    Message(Text(id), Text(IDS_MESSAGE_ERROR));
}

int COrvanelDlg::ReadIntEdit(int id, int maxChars) const
{
    return platform::TextToLong(GetDlgItemText(id, maxChars));
}
