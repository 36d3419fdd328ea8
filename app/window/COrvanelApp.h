#pragma once
#include <QString>

// The application: opens the settings store and runs the main window until it ends.
class COrvanelApp {
public:
    // Always false: the process ends when the main window does. A photo given (by a file
    // manager's "Open With") is opened once the window shows.
    bool InitInstance(const QString& photo = QString());
};
