#pragma once

#include "platform/backends/win32/win32_api.h"

#include "view/pictures/pictures.h"

namespace ombrelk {

// An icon (is_icon) or a cursor with its hot spot, made from one of the
// program's pictures, in 32-bit colour with its transparency. The caller
// destroys it. Null for a picture without pixels.
HICON MakePictureIcon(PictureId id, bool is_icon);
// The same from pixels already at hand (a drawn picture).
HICON MakeIconFromImage(const ArgbImage& picture, bool is_icon);

}  // namespace ombrelk
