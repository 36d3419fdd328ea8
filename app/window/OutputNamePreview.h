#pragma once
#include <QDateTime>
#include <QSize>
#include <QString>

#include "app/window/SeveralPhotosChoices.h"
#include "batch/BatchPhotos.h"

// One listed photo as far as the window knows it, without opening it again.
struct ListedPhoto {
    BatchPhoto photo;    // path absolute
    int place = 0;       // in the list, from 1: a run's {n}
    QSize size;          // as the list shows it (upright); invalid or empty while unknown
    QDateTime modified;  // stands for when it was taken
};

// What the window shows beside the naming pattern: the output's name below the output folder
// that the photo gets under choices, or why the pattern names nothing.
QString OutputNamePreview(const SeveralPhotosChoices& choices, const ListedPhoto& listed);
