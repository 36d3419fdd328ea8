#include "platform/ui/Prompts.h"

#include "platform/ui/QtPrompts.h"

namespace platform {
namespace {
std::unique_ptr<Prompts>& Installed()
{
    static std::unique_ptr<Prompts> prompts;
    return prompts;
}
}  // namespace

Prompts& CurrentPrompts()
{
    static QtPrompts real;
    auto& installed = Installed();
    return installed ? *installed : static_cast<Prompts&>(real);
}

std::unique_ptr<Prompts> InstallPrompts(std::unique_ptr<Prompts> prompts)
{
    auto previous = std::move(Installed());
    Installed() = std::move(prompts);
    return previous;
}

}  // namespace platform
