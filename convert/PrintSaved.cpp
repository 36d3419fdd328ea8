#include "convert/PrintSaved.h"

#include <cstdio>

bool PrintSaved(const QString& path)
{
    const bool printed = std::printf("%s saved successfully.\n", path.toLocal8Bit().constData()) >= 0;
    return std::fflush(stdout) == 0 && printed;
}
