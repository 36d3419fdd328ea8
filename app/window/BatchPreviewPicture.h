#pragma once
#include <QImage>
#include <QSize>

#include "app/window/SeveralPhotosChoices.h"

// The picture a photo becomes with choices, drawn within box: upright is the photo as it stands
// (the camera's turn applied) at any size, photoSize its size in pixels. Turned and flipped, its
// output size's aspect kept, on the chosen background where it is transparent, the caption laid
// out as on the real picture and scaled with it.
// Empty when the choices give no picture (a side of 0).
QImage ComposeBatchPreview(const QImage& upright, const QSize& photoSize, const SeveralPhotosChoices& choices,
                           const QSize& box);
