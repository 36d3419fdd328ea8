#pragma once
#include "convert/ConversionSequence.h"

namespace platform {
class BackgroundWork;
}

// A conversion host for a conversion running off the window's thread: each call reads edits or
// shows messages, so it is passed to the window's host on the window's thread and waited for.
class WindowThreadHost final : public ConversionHost {
public:
    WindowThreadHost(ConversionHost& window, platform::BackgroundWork& work) : window_(window), work_(work) {}

    void Tell(int messageId, const QString& subject, const platform::Failure& why) override;
    std::optional<OverlayLine> Overlay() override;
    void OverlayMovedToZero(bool horizontal) override;
    QString OutputPath() override;
    void Saved(const QString& path) override;
    OutputKeeping Keeping() override;

private:
    ConversionHost& window_;
    platform::BackgroundWork& work_;
};
