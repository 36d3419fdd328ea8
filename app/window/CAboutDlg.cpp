#include "app/window/CAboutDlg.h"

#include "lang/CLanguage.h"
#include "res/DialogTemplates.h"
#include "res/Icon.h"
#include "res/ResourceIds.h"

CAboutDlg::CAboutDlg(QWidget* parent) : platform::CDialog(AboutDialogTemplate(), parent)
{
    SetTemplateIcon(ApplicationIcon());
}

bool CAboutDlg::OnInitDialog()
{
    platform::CDialog::OnInitDialog();
    theLanguage.ApplyToDialog(*this, IDD_ABOUTBOX);
    return true;
}
