#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "view/pictures/pictures.h"

namespace ombrelk {

QPixmap PicturePixmap(PictureId id);
QIcon PictureIcon(PictureId id);
// A pointer made from a picture; the hand's hot spot is its finger tip.
QCursor PictureCursor(PictureId id);

}  // namespace ombrelk
