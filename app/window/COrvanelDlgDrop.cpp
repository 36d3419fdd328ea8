// Photos that come from outside the window: named on the command line by a file manager, or
// dropped onto the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "app/window/COrvanelDlg.h"
#include "app/window/ConvertSeveralWindow.h"
#include "app/window/DroppedFilePath.h"
#include "settings/FontRecordConversion.h"
#include "system/FileSystem.h"
#include "widgets/ScreenPlacement.h"
#include "res/ResourceIds.h"

void COrvanelDlg::showEvent(QShowEvent* event)
{
    platform::CDialog::showEvent(event);
    if (!m_photosToConvert.isEmpty())
        QTimer::singleShot(0, this, [this, paths = std::exchange(m_photosToConvert, {})] { ConvertSeveral(paths); });
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
    // Several photos go to the window that converts several.
    if (urls.size() > 1) {
        QStringList paths;
        for (const QUrl& url : urls) {
            if (const QString path = DroppedFilePath(url); !path.isEmpty())
                paths << path;
        }
        QTimer::singleShot(0, this, [this, paths] { ConvertSeveral(paths); });
        return;
    }
    const QUrl first = urls.first();
    // The program the file came from waits until the drop returns: the photo is opened, and any
    // message shown, from the event loop afterwards.
    QTimer::singleShot(0, this, [this, first] { OpenDroppedPhoto(first); });
}

void COrvanelDlg::OpenDroppedPhoto(const QUrl& url)
{
    // The name as a file dialog would give it, so a name that is not UTF-8 opens as in Open Photo.
    const QString path = DroppedFilePath(url);
    // What cannot be a photo is told so and changes nothing, not even the remembered folder.
    if (path.isEmpty() || !platform::FileExists(path)) {
        Message(Text(IDS_STRING126), path.isEmpty() ? url.toString() : path);
        return;
    }
    OpenChosenPhoto(path);
}

void COrvanelDlg::ConvertSeveral(const QStringList& paths)
{
    if (!m_severalWindow) {
        m_severalWindow = new ConvertSeveralWindow(this);
        platform::PlaceOnOwnersScreen(*m_severalWindow, this);
    }
    m_severalWindow->AddPaths(paths);
    m_severalWindow->show();
    m_severalWindow->raise();
    m_severalWindow->activateWindow();
}
