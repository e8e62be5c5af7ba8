#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <optional>

#include "view/pictures/pictures.h"

namespace ombrelk {

QPixmap PicturePixmap(PictureId id);
QIcon PictureIcon(PictureId id);
// The calendar page, with the day when one is given, drawn at each size a
// panel may ask for (and at those sizes times the screen's pixel ratio), so
// that the icon is never scaled: XEmbed trays pick the size of the icon's
// window, StatusNotifierItem hosts the pixmaps the item offers.
QIcon DrawnAppIcon(std::optional<int> day);
// A pointer made from a picture, pointing with the picture's hot spot.
QCursor PictureCursor(PictureId id);

}  // namespace ombrelk
