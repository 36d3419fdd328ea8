// Photos that come from outside the window: named on the command line by a file manager, or
// dropped onto the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/window/COrvanelDlg.h"
#include "res/ResourceIds.h"

void COrvanelDlg::showEvent(QShowEvent* event)
{
    platform::CDialog::showEvent(event);
    if (m_photoToOpen.isEmpty())
        return;
    // Opened from the event loop, once the window is on screen, as if chosen in Open Photo.
    QTimer::singleShot(0, this, [this, path = std::exchange(m_photoToOpen, QString())] { OpenChosenPhoto(path); });
}

void COrvanelDlg::dragEnterEvent(QDragEnterEvent* event)
{
    // Files from a file manager come as addresses; anything else is not for us.
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void COrvanelDlg::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void COrvanelDlg::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->acceptProposedAction();
    const QUrl& first = urls.first();  // several files: the first one
    const QString path = first.isLocalFile() ? first.toLocalFile() : QString();
    // What cannot be a photo is told so and changes nothing, not even the remembered folder.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !QFileInfo(path).isReadable()) {
        Message(Text(IDS_STRING126), path.isEmpty() ? first.toString() : path);
        return;
    }
    OpenChosenPhoto(path);
}
