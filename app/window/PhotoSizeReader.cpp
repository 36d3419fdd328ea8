#include "app/window/PhotoSizeReader.h"

#include "imaging/Image.h"
#include "imaging/ImagingRuntime.h"
#include "system/ThreadPriority.h"

PhotoSizeReader::PhotoSizeReader(std::function<void(const Sizes&)> read, QObject* parent)
    : QObject(parent),
      read_([read = std::move(read)](std::vector<QPair<QString, QSize>>&& sizes) {
          read(Sizes(std::make_move_iterator(sizes.begin()), std::make_move_iterator(sizes.end())));
      })
{
    pool_.setMaxThreadCount(1);
}

PhotoSizeReader::~PhotoSizeReader()
{
    Forget();
    pool_.waitForDone();
}

void PhotoSizeReader::Read(const QStringList& paths)
{
    if (!paths.isEmpty())
        pool_.start([this, paths, generation = generation_.load()] { ReadSizes(paths, generation); });
}

void PhotoSizeReader::Forget()
{
    // Lists not begun go; the one being read stops at its next photo.
    pool_.clear();
    ++generation_;
    read_.Drop();
}

void PhotoSizeReader::ReadSizes(const QStringList& paths, int generation)
{
    platform::LowerThisThreadsPriority();
    for (const QString& path : paths) {
        if (generation_ != generation)
            break;
        // The header alone: the pixels are decoded when the photo converts.
        const auto image = platform::Image::LoadFromFile(path, false, true);
        const QSize size = image && !image->IsEmpty() ? QSize(static_cast<int>(image->Width()), static_cast<int>(image->Height()))
                                                      : QSize(0, 0);
        read_.Put(QPair<QString, QSize>(path, size));
    }
    platform::EndImagingThread();
}
