#pragma once

// The application: opens the settings store and runs the main window until it ends.
class COrvanelApp {
public:
    // Always false: the process ends when the main window does.
    bool InitInstance();
};
