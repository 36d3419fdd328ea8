#include "services/Prompts.h"

#include "services/ReportingPrompts.h"

namespace platform {
namespace {
std::unique_ptr<Prompts>& Installed()
{
    static std::unique_ptr<Prompts> prompts;
    return prompts;
}
}  // namespace

std::optional<QStringList> Prompts::OpenFiles(const FileDialogRequest&)
{
    return std::nullopt;
}

std::optional<QString> Prompts::ChooseFolder(const FileDialogRequest&)
{
    return std::nullopt;
}

std::optional<QString> Prompts::AskText(QWidget*, const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

std::optional<QColor> Prompts::ChooseColour(QWidget*, const QString&, const QColor&)
{
    return std::nullopt;
}

Prompts& CurrentPrompts()
{
    // Until the window installs real dialogs, nobody is there to answer: messages are reported.
    static ReportingPrompts reporting;
    auto& installed = Installed();
    return installed ? *installed : static_cast<Prompts&>(reporting);
}

std::unique_ptr<Prompts> InstallPrompts(std::unique_ptr<Prompts> prompts)
{
    auto previous = std::move(Installed());
    Installed() = std::move(prompts);
    return previous;
}

}  // namespace platform
