#include <QApplication>
#include <cstdio>

#include "app/COrvanelApp.h"
#include "app/PhotoArgument.h"
#include "platform/imaging/ImagingRuntime.h"

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    if (!platform::StartImaging(argv[0])) {
        std::fprintf(stderr, "pictorelle: the imaging library could not start\n");
        return 1;
    }
    {
        COrvanelApp app;
        app.InitInstance(PhotoArgument(qt.arguments()));
    }
    platform::StopImaging();
    return 0;
}
