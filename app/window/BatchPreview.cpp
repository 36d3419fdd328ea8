#include "app/window/BatchPreview.h"

#include <QPainter>
#include <QPixmap>
#include <QtConcurrent/QtConcurrentRun>

#include "app/window/BatchPreviewPicture.h"
#include "convert/PhotoDocument.h"

namespace {
const QSize kBox(240, 180);
// Read at about twice what is shown, so that a quarter turn still has the pixels it shows.
constexpr int kReadSide = 480;
}  // namespace

BatchPreview::BatchPreview(QWidget* parent) : QLabel(parent)
{
    setFixedSize(kBox);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    connect(&reading_, &QFutureWatcher<Photo>::finished, this, [this] {
        Photo read = reading_.result();
        if (read.path != wanted_)
            return;  // another was selected meanwhile
        photo_ = std::move(read);
        Compose();
    });
}

BatchPreview::~BatchPreview()
{
    reading_.waitForFinished();
}

BatchPreview::Photo BatchPreview::Read(const QString& path)
{
    Photo photo{path, {}, {}};
    PhotoDocument document;
    document.Open(path, true, true);
    if (document.Width() <= 0 || document.Height() <= 0)
        return photo;
    photo.size = QSize(document.Width(), document.Height());
    const QSize shown = photo.size.scaled(kReadSide, kReadSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // Kept transparent where the photo is: the preview lays it on the chosen background.
    photo.upright = QImage(shown, QImage::Format_ARGB32_Premultiplied);
    photo.upright.fill(Qt::transparent);
    QPainter painter(&photo.upright);
    if (!platform::Succeeded(document.DrawPreview(painter, QRect(QPoint(0, 0), shown))))
        photo.upright = {};
    return photo;
}

void BatchPreview::ShowPhoto(const QString& path)
{
    wanted_ = path;
    photo_ = {};
    Compose();
    if (!path.isEmpty())
        reading_.setFuture(QtConcurrent::run(&BatchPreview::Read, path));
}

void BatchPreview::ShowChoices(const SeveralPhotosChoices& choices)
{
    choices_ = choices;
    Compose();
}

void BatchPreview::Compose()
{
    picture_ = ComposeBatchPreview(photo_.upright, photo_.size, choices_, size() - QSize(4, 4));
    setPixmap(QPixmap::fromImage(picture_));
    Q_EMIT Shown();
}
