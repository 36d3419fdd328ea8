#pragma once
#include <QIcon>

// Icon 128, the application icon (one 32x32 image).
QIcon ApplicationIcon();
