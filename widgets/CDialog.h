#pragma once
#include <functional>
#include <map>
#include <vector>

#include <QDialog>
#include <QIcon>

#include "services/DialogTemplate.h"

class QButtonGroup;

namespace platform {

// The notifications a handler can be mapped to.
enum class Notification {
    Clicked,    // a button was clicked
    KillFocus,  // an edit lost the keyboard focus
    Update,     // an edit's text changed, by the user or by the program
    SelChange,  // the user picked another item of a combo box
};

// Transfers between controls and members, in one direction at a time.
struct DataExchange {
    bool saveAndValidate = false;
    bool failed = false;
};

// A modal dialog built from a template in dialog units, whose controls are found by identifier
// and whose notifications reach handlers through a message map.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~CDialog() override;

    // Builds the controls and runs OnInitDialog, without entering a modal loop.
    void Create();
    // Create, then the modal loop; returns IDOK or IDCANCEL (or what EndDialog was given).
    int DoModal();
    void EndDialog(int result);

    QWidget* GetDlgItem(int id) const;
    // The control's text, cut to at most maxChars characters when maxChars >= 0.
    QString GetDlgItemText(int id, int maxChars = -1) const;
    void SetDlgItemText(int id, const QString& text);
    void SetDlgItemInt(int id, int value);
    void EnableDlgItem(int id, bool enable);
    void ShowDlgItem(int id, bool show);
    bool IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, bool checked);
    void GotoDlgCtrl(int id);
    // Repaints the whole dialog at once, without erasing it first.
    void InvalidateAndUpdate();
    bool UpdateData(bool saveAndValidate);
    const DialogTemplate& Template() const { return template_; }
    // Every control with its identifier (-1 for unnamed ones), in template order.
    const std::vector<std::pair<int, QWidget*>>& Controls() const { return order_; }
    void SetTemplateIcon(const QIcon& icon) { icon_ = icon; }

protected:
    virtual bool OnInitDialog() { return true; }
    virtual void DoDataExchange(DataExchange&) {}
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnClose() { OnCancel(); }

    // Maps a control's notification to a handler.
    void MapMessage(int id, Notification notification, std::function<void()> handler);

    // Data exchange helpers: control text to or from value; a length check on save.
    void DDX_Text(DataExchange& dx, int id, QString& value);
    void DDV_MaxChars(DataExchange& dx, int id, const QString& value, int maxChars);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    void reject() override { OnCancel(); }
    void accept() override { OnOK(); }

private:
    void BuildControls();
    void Dispatch(int id, Notification notification);

    DialogTemplate template_;
    QIcon icon_;
    bool created_ = false;
    std::map<int, QWidget*> controls_;
    std::vector<std::pair<int, QWidget*>> order_;
    std::vector<QButtonGroup*> radioGroups_;
    struct MapEntry {
        int id;
        Notification notification;
        std::function<void()> handler;
    };
    std::vector<MapEntry> messageMap_;
};

// Keeps what the user types into an edit within maxChars; the program may still set longer texts.
void LimitUserInput(QWidget* edit, int maxChars);

}  // namespace platform
