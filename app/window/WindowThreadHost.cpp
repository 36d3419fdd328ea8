#include "app/window/WindowThreadHost.h"

#include "widgets/BackgroundWork.h"

void WindowThreadHost::Tell(int messageId, const QString& subject, const platform::Failure& why)
{
    work_.OnWindowThread([&] { window_.Tell(messageId, subject, why); });
}

std::optional<OverlayLine> WindowThreadHost::Overlay()
{
    std::optional<OverlayLine> line;
    work_.OnWindowThread([&] { line = window_.Overlay(); });
    return line;
}

void WindowThreadHost::OverlayMovedToZero(bool horizontal)
{
    work_.OnWindowThread([&] { window_.OverlayMovedToZero(horizontal); });
}

QString WindowThreadHost::OutputPath()
{
    QString path;
    work_.OnWindowThread([&] { path = window_.OutputPath(); });
    return path;
}

void WindowThreadHost::Saved(const QString& path)
{
    work_.OnWindowThread([&] { window_.Saved(path); });
}

OutputKeeping WindowThreadHost::Keeping()
{
    OutputKeeping keeping;
    work_.OnWindowThread([&] { keeping = window_.Keeping(); });
    return keeping;
}
