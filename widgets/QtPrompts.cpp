#include "widgets/QtPrompts.h"

#include <algorithm>

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QUrl>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QTimer>

#include "widgets/ModalPromptScope.h"

#include "widgets/CDialog.h"
#include "widgets/FontColourDialog.h"
#include "widgets/HelpWindow.h"
#include "widgets/MenuFromTemplate.h"
#include "widgets/SystemOpener.h"

namespace platform {
namespace {

QString CaseInsensitivePattern(const QString& pattern)
{
    if (pattern == QLatin1String("*.*"))
        return QStringLiteral("*");
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

// Qt reads "[*]" in a window title as the place of the modified mark; doubled, it is shown as is.
QString LiteralTitle(QString title)
{
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

// Descriptions list their patterns and run long; cut short, they no longer tell the choices apart.
// The file type box is made wide enough for the longest, as far as the screen leaves room.
void FitFileTypes(QFileDialog& dialog)
{
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    const QScreen* screen = dialog.screen();
    if (!types || !screen)
        return;
    types->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int rest = dialog.minimumSizeHint().width() - types->minimumSizeHint().width();
    const int room = screen->availableGeometry().width() - rest;
    types->setMinimumWidth(std::min(types->sizeHint().width(), room));
}

std::optional<QStringList> RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                                         QFileDialog::FileMode files)
{
    QFileDialog dialog(request.owner, LiteralTitle(request.title), request.initialFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The program asks its own overwrite question when it converts.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The descriptions already list the patterns; the letter-case variants would only clutter them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(files);
    QStringList filters;
    for (const auto& f : request.filters)
        filters << QtNameFilter(f);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
        dialog.selectNameFilter(filters.at(request.selectedFilter));
    FitFileTypes(dialog);
    if (!request.initialName.isEmpty() && !request.initialName.contains(QLatin1Char('*')))
        dialog.selectFile(request.initialName);
    const ModalPromptScope scope;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> RunOneFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    const bool mustExist = mode == QFileDialog::AcceptOpen && (request.flags & OFN_FILEMUSTEXIST);
    const auto chosen = RunFileDialog(request, mode, mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return chosen ? std::optional<QString>(chosen->first()) : std::nullopt;
}

}  // namespace

QString QtNameFilter(const FileFilter& filter)
{
    QStringList patterns;
    for (const QString& p : filter.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << CaseInsensitivePattern(p.trimmed());
    return filter.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

int QtPrompts::MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type)
{
    QMessageBox box(owner);
    box.setWindowTitle(LiteralTitle(caption));
    // File names and language files may hold anything, markup included: never interpret it.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if ((type & 0xF0) == MB_ICONEXCLAMATION)
        box.setIcon(QMessageBox::Warning);
    const ModalPromptScope scope;
    if ((type & 0xF) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

std::optional<QString> QtPrompts::AskText(QWidget* owner, const QString& question, const QString& caption,
                                          const QString& initial)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(LiteralTitle(caption));
    dialog.setLabelText(question);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(initial);
    const ModalPromptScope scope;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompts::OpenFile(const FileDialogRequest& request)
{
    return RunOneFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QStringList> QtPrompts::OpenFiles(const FileDialogRequest& request)
{
    return RunFileDialog(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
}

std::optional<QString> QtPrompts::ChooseFolder(const FileDialogRequest& request)
{
    const auto chosen = RunFileDialog(request, QFileDialog::AcceptOpen, QFileDialog::Directory);
    return chosen ? std::optional<QString>(chosen->first()) : std::nullopt;
}

std::optional<QString> QtPrompts::SaveFile(const FileDialogRequest& request)
{
    return RunOneFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtPrompts::ChooseColour(QWidget* owner, const QString& caption, const QColor& initial)
{
    QColorDialog dialog(initial, owner);
    dialog.setWindowTitle(LiteralTitle(caption));
    const ModalPromptScope scope;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<FontChoice> QtPrompts::ChooseFont(const FontDialogRequest& request)
{
    const ModalPromptScope scope;
    FontColourDialog dialog(request.font, request.colour, request.owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{dialog.SelectedFont(), dialog.SelectedColour()};
}

int QtPrompts::TrackPopupMenu(QMenu& menu, const QPoint& globalPos, QWidget*)
{
    const ModalPromptScope scope;
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? GetMenuItemID(*chosen) : 0;
}

int QtPrompts::RunDialog(CDialog& dialog)
{
    const ModalPromptScope scope;
    return dialog.DoModal();
}

bool QtPrompts::OpenUrl(const QUrl& url)
{
    return OpenWithSystemOpener(url);
}

std::unique_ptr<QObject> QtPrompts::ShowProgress(QWidget* owner, const QString& text, std::function<void()> cancel,
                                                 std::function<int()> percent)
{
    auto dialog = std::make_unique<QProgressDialog>(owner);
    dialog->setWindowTitle(LiteralTitle(owner ? owner->windowTitle() : QString()));
    dialog->setLabelText(text);
    if (percent) {
        // The work only counts; the bar reads the count on its own pace, so a fast conversion
        // is never slowed by updates.
        dialog->setRange(0, 100);
        dialog->setValue(std::clamp(percent(), 0, 100));
        auto* poll = new QTimer(dialog.get());
        QObject::connect(poll, &QTimer::timeout, dialog.get(), [bar = dialog.get(), percent = std::move(percent)] {
            // A window-modal progress handles events on every new value: only a change is set.
            const int now = std::clamp(percent(), 0, 100);
            if (now > bar->value())
                bar->setValue(now);
        });
        poll->start(kProgressPollMs);
    } else {
        dialog->setRange(0, 0);  // how long is not known: a busy bar
    }
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    QObject::connect(dialog.get(), &QProgressDialog::canceled, dialog.get(), std::move(cancel));
    dialog->show();
    return dialog;
}

void QtPrompts::ShowHelp(QWidget* owner, const QString& page)
{
    HelpWindow::Show(owner, page);
}

}  // namespace platform
