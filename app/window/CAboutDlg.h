#pragma once
#include "widgets/CDialog.h"

// The about box: the program's name and version, the notice line and the support address.
class CAboutDlg : public platform::CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
