#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "view/pictures/pictures.h"

namespace ombrelk {

// Pixels of a picture, decoded or drawn, as a QImage of its own.
QImage ArgbQImage(const ArgbImage& picture);
QPixmap PicturePixmap(PictureId id);
QIcon PictureIcon(PictureId id);
// A pointer made from a picture, pointing with the picture's hot spot.
QCursor PictureCursor(PictureId id);

}  // namespace ombrelk
