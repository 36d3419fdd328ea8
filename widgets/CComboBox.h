#pragma once
#include <QString>

class QComboBox;

namespace platform {

// A drop-down list attached to a combo box control of a dialog.
class CComboBox {
public:
    void Attach(QComboBox* combo) { combo_ = combo; }
    bool IsAttached() const { return combo_ != nullptr; }
    void ResetContent();
    int InsertString(int index, const QString& text);
    int GetCount() const;
    int GetCurSel() const;  // -1 when nothing is selected
    int SetCurSel(int index);
    QString GetLBText(int index) const;
    void ShowWindow(bool show);

private:
    QComboBox* combo_ = nullptr;
};

}  // namespace platform
