#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "view/pictures/pictures.h"

namespace ombrelk {

QPixmap PicturePixmap(PictureId id);
QIcon PictureIcon(PictureId id);
// A pointer made from a picture, pointing with the picture's hot spot.
QCursor PictureCursor(PictureId id);

}  // namespace ombrelk
