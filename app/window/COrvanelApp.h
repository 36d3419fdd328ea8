#pragma once
#include <QStringList>

// The application: opens the settings store and runs the main window until it ends.
class COrvanelApp {
public:
    // Always false: the process ends when the main window does. One photo given (by a file
    // manager's "Open With") is opened once the window shows; several are listed in Convert
    // Several Photos beside it.
    bool InitInstance(const QStringList& photos = {});
};
