#pragma once

class QUrl;

namespace platform {

// Hands url to the desktop's opener (xdg-open, found on the PATH) and tells whether it took it:
// false when there is no opener, or when it ends within waitMs saying it failed (no web browser,
// no program for folders), which it would otherwise only say on a terminal nobody sees. An opener
// still running then has started the program it chose. The window keeps painting meanwhile but
// takes no input. Without xdg-open, Qt's own way decides.
bool OpenWithSystemOpener(const QUrl& url, int waitMs = 2000);

}  // namespace platform
