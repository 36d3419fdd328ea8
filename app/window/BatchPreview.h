#pragma once
#include <QFutureWatcher>
#include <QImage>
#include <QLabel>
#include <QSize>

#include "app/window/SeveralPhotosChoices.h"

// The selected photo as the batch will make it, redrawn as the choices change; the photo is read
// off the window's thread, once each time another is selected.
class BatchPreview final : public QLabel {
    Q_OBJECT
public:
    explicit BatchPreview(QWidget* parent = nullptr);
    ~BatchPreview() override;

    // path empty: nothing selected.
    void ShowPhoto(const QString& path);
    void ShowChoices(const SeveralPhotosChoices& choices);
    // The picture shown now (empty while none), for tests.
    QImage Picture() const { return picture_; }

Q_SIGNALS:
    void Shown();

private:
    struct Photo {
        QString path;
        QImage upright;
        QSize size;
    };
    static Photo Read(const QString& path);
    void Compose();

    QFutureWatcher<Photo> reading_;
    QString wanted_;
    Photo photo_;
    SeveralPhotosChoices choices_;
    QImage picture_;
};
