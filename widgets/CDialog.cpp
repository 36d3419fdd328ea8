#include "widgets/CDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include "widgets/DialogUnits.h"
#include "widgets/InterruptedClick.h"
#include "widgets/ModalPromptScope.h"
#include "widgets/PaintArea.h"
#include "services/Prompts.h"

namespace platform {
namespace {

// Refuses typing past a length; setText is not validated, so the program is not limited.
class MaxLengthValidator final : public QValidator {
public:
    MaxLengthValidator(int maxChars, QObject* parent) : QValidator(parent), max_(maxChars) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= max_ ? Acceptable : Invalid;
    }

private:
    int max_;
};

QFont TemplateFont(const DialogTemplate& t)
{
    QFont font(t.fontFace);
    font.setPointSize(t.fontPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

void LimitUserInput(QWidget* edit, int maxChars)
{
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->setValidator(new MaxLengthValidator(maxChars, line));
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), template_(dialogTemplate)
{
}

CDialog::~CDialog() = default;

void CDialog::BuildControls()
{
    const QFont font = TemplateFont(template_);
    setFont(font);
    setWindowTitle(template_.caption);
    const BaseUnits units = BaseUnitsOf(font);
    const QRect size = DialogUnitsToPixels(0, 0, template_.cx, template_.cy, units);
    setFixedSize(size.width(), size.height());

    QButtonGroup* group = nullptr;
    QWidget* previous = nullptr;
    for (const ControlTemplate& c : template_.controls) {
        QWidget* w = nullptr;
        const QRect r = DialogUnitsToPixels(c.x, c.y, c.cx, c.cy, units);
        switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* b = new QPushButton(c.text, this);
            // No button is a default button unless the template says so; Enter is handled below.
            b->setAutoDefault(false);
            b->setDefault(c.kind == ControlKind::DefaultPushButton);
            connect(b, &QPushButton::clicked, this, [this, id = c.id] { Dispatch(id, Notification::Clicked); });
            w = b;
            break;
        }
        case ControlKind::Edit: {
            auto* e = new QLineEdit(c.text, this);
            connect(e, &QLineEdit::textChanged, this, [this, id = c.id] { Dispatch(id, Notification::Update); });
            e->installEventFilter(this);
            w = e;
            break;
        }
        case ControlKind::Label: {
            auto* l = new QLabel(c.text, this);
            // Labels show file names, font names and language texts: never markup, never an image
            // that rich text would load from the working folder.
            l->setTextFormat(Qt::PlainText);
            w = l;
            break;
        }
        case ControlKind::GroupBox: w = new QGroupBox(c.text, this); break;
        case ControlKind::RadioButton: {
            auto* rb = new QRadioButton(c.text, this);
            if (!group || (c.style & StyleGroup)) {
                group = new QButtonGroup(this);
                radioGroups_.push_back(group);
            }
            group->addButton(rb);
            // However a radio gets checked (mouse, arrows, Space, an accessibility action), its
            // handler hears of it, so what the window shows is what the program uses.
            connect(rb, &QRadioButton::toggled, this, [this, id = c.id](bool on) {
                if (on)
                    Dispatch(id, Notification::Clicked);
            });
            w = rb;
            break;
        }
        case ControlKind::ComboBoxDropList: {
            auto* cb = new QComboBox(this);
            connect(cb, &QComboBox::activated, this, [this, id = c.id] { Dispatch(id, Notification::SelChange); });
            w = cb;
            break;
        }
        case ControlKind::BlackRect: w = new PaintArea(this); break;
        case ControlKind::Icon: {
            auto* l = new QLabel(this);
            l->setPixmap(icon_.pixmap(32, 32));
            w = l;
            break;
        }
        }
        if (c.kind != ControlKind::RadioButton)
            group = (c.style & StyleGroup) ? nullptr : group;
        QRect geometry = r;
        if (c.kind == ControlKind::ComboBoxDropList)
            geometry.setHeight(std::min(r.height(), w->sizeHint().height()));  // the list part drops down
        w->setGeometry(geometry);
        w->setFocusPolicy((c.style & StyleTabStop) || c.kind == ControlKind::RadioButton ? Qt::StrongFocus
                                                                                          : Qt::NoFocus);
        // Each control holds its own font, so a font given to the dialog later changes only the
        // dialog itself, and a language relabels exactly the controls it names.
        w->setFont(font);
        if (c.id >= 0)
            controls_[c.id] = w;
        order_.emplace_back(c.id, w);
        if (previous && w->focusPolicy() != Qt::NoFocus)
            setTabOrder(previous, w);
        if (w->focusPolicy() != Qt::NoFocus)
            previous = w;
    }
}

void CDialog::Create()
{
    if (created_)
        return;
    created_ = true;
    BuildControls();
    if (OnInitDialog()) {
        // The first tab stop takes the focus, as a dialog manager gives it.
        if (!focusWidget())
            focusNextChild();
    }
}

int CDialog::DoModal()
{
    Create();
    return exec();
}

void CDialog::EndDialog(int result)
{
    done(result);
}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QString CDialog::GetDlgItemText(int id, int maxChars) const
{
    QWidget* w = GetDlgItem(id);
    QString text;
    if (auto* e = qobject_cast<QLineEdit*>(w))
        text = e->text();
    else if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        text = g->title();
    else if (auto* c = qobject_cast<QComboBox*>(w))
        text = c->currentText();
    return maxChars >= 0 ? text.left(maxChars) : text;
}

void CDialog::SetDlgItemText(int id, const QString& text)
{
    QWidget* w = GetDlgItem(id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // Setting an edit's text always notifies its handlers, even when the text stays the same.
        if (e->text() == text)
            Dispatch(id, Notification::Update);
        else
            e->setText(text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
    }
}

void CDialog::SetDlgItemInt(int id, int value)
{
    SetDlgItemText(id, QString::number(value));
}

void CDialog::EnableDlgItem(int id, bool enable)
{
    if (QWidget* w = GetDlgItem(id))
        w->setEnabled(enable);
}

void CDialog::ShowDlgItem(int id, bool show)
{
    if (QWidget* w = GetDlgItem(id))
        w->setVisible(show);
}

bool CDialog::IsDlgButtonChecked(int id) const
{
    auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    return b && b->isChecked();
}

void CDialog::CheckDlgButton(int id, bool checked)
{
    auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    if (!b)
        return;
    // An exclusive group refuses to uncheck its checked button; allow it for a moment.
    QButtonGroup* group = b->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive)
        group->setExclusive(false);
    b->setChecked(checked);
    if (exclusive)
        group->setExclusive(true);
}

void CDialog::GotoDlgCtrl(int id)
{
    if (QWidget* w = GetDlgItem(id))
        w->setFocus(Qt::OtherFocusReason);
}

void CDialog::InvalidateAndUpdate()
{
    repaint();
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    DataExchange dx;
    dx.saveAndValidate = saveAndValidate;
    DoDataExchange(dx);
    return !dx.failed;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::MapMessage(int id, Notification notification, std::function<void()> handler)
{
    messageMap_.push_back(MapEntry{id, notification, std::move(handler)});
}

void CDialog::Dispatch(int id, Notification notification)
{
    // By index: a handler may add to the map while it runs, and handlers nest.
    bool handled = false;
    for (std::size_t i = 0; i < messageMap_.size(); ++i) {
        if (messageMap_[i].id == id && messageMap_[i].notification == notification) {
            const auto handler = messageMap_[i].handler;
            handled = true;
            handler();
        }
    }
    // The standard OK and Cancel buttons end a dialog unless it maps them itself.
    if (!handled && notification == Notification::Clicked) {
        if (id == IDOK)
            OnOK();
        else if (id == IDCANCEL)
            OnCancel();
    }
}

void CDialog::DDX_Text(DataExchange& dx, int id, QString& value)
{
    if (dx.failed)
        return;
    if (dx.saveAndValidate)
        value = GetDlgItemText(id);
    else
        SetDlgItemText(id, value);
}

void CDialog::DDV_MaxChars(DataExchange& dx, int id, const QString& value, int maxChars)
{
    if (dx.failed)
        return;
    if (!dx.saveAndValidate) {
        LimitUserInput(GetDlgItem(id), maxChars);
        return;
    }
    if (value.size() > maxChars) {
        CurrentPrompts().MessageBox(this, QStringLiteral("Enter no more than %1 characters.").arg(maxChars),
                                    QCoreApplication::applicationName(), MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(id);
        dx.failed = true;
    }
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
                button->click();
            else
                OnOK();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            OnCancel();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();  // OnClose decides whether the dialog ends
    OnClose();
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Focus moving to another window (a message box among them) is not the edit being left.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const auto& [id, widget] : controls_) {
                if (widget == watched) {
                    const unsigned promptsBefore = ModalPromptScope::Runs();
                    Dispatch(id, Notification::KillFocus);
                    // A prompt shown while a click moves the focus interrupts that click.
                    if (reason == Qt::MouseFocusReason && ModalPromptScope::Runs() != promptsBefore)
                        InterruptedClick::Drop(this);
                    break;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace platform
