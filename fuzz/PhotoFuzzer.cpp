// The photo path: bytes written to a file, opened, every frame selected (a few at most), each
// drawn onto a small bitmap, turned, and written as a PNG with the details it keeps.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "imaging/Bitmap.h"
#include "imaging/Encoders.h"
#include "imaging/Image.h"
#include "imaging/ImagingRuntime.h"
#include "imaging/details/OutputDetails.h"

namespace {
constexpr unsigned kMaxFramesTried = 8;
QTemporaryDir* workDir = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);  // Qt's image readers are plugins
    if (!platform::StartImaging((*argv)[0]))
        std::abort();
    workDir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString photo = workDir->filePath(QStringLiteral("photo"));
    const QString png = workDir->filePath(QStringLiteral("out.png"));
    {
        QFile file(photo);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    auto image = platform::Image::LoadFromFile(photo);
    if (image->IsEmpty())
        return 0;
    const int turn = size > 0 ? data[size - 1] % 8 : 0;
    const auto details = std::make_shared<platform::OutputDetails>(
        image->Details().ForOutput(platform::DetailsChoice::All, 17, 11));
    for (const platform::Guid& dimension : image->FrameDimensionsList()) {
        const unsigned frames = std::min(image->FrameCount(dimension), kMaxFramesTried);
        for (unsigned k = 0; k < frames; ++k) {
            if (image->SelectActiveFrame(dimension, k) != platform::Status::Ok)
                continue;
            auto bitmap = platform::Bitmap::Create(17, 11);
            bitmap->SetResolution(image->HorizontalResolution(), image->HorizontalResolution());
            bitmap->SetDetails(details);
            if (bitmap->DrawImage(*image) != platform::Status::Ok)
                continue;
            bitmap->RotateFlip(static_cast<platform::RotateFlipType>(turn));
            bitmap->Save(png, platform::kPngEncoderClsid);
        }
    }
    return 0;
}
