#include "convert/PrintSaved.h"

#include <cstdio>

void PrintSaved(const QString& path)
{
    std::printf("%s saved successfully.\n", path.toLocal8Bit().constData());
    std::fflush(stdout);
}
