#include "view/pictures/pictures.h"

namespace ombrelk {

// Each file is a plain XPM image, which image editors open as they are: one
// static array of lines, named after the picture.
#include "view/pictures/app_icon.xpm"
#include "view/pictures/hand_cursor.xpm"
#include "view/pictures/home.xpm"
#include "view/pictures/home_down.xpm"
#include "view/pictures/next_month.xpm"
#include "view/pictures/next_month_down.xpm"
#include "view/pictures/prev_month.xpm"
#include "view/pictures/prev_month_down.xpm"
#include "view/pictures/this_month.xpm"
#include "view/pictures/this_month_down.xpm"

std::span<const char* const> PictureXpm(PictureId id) {
  switch (id) {
    case PictureId::AppIcon:
      return kAppIconXpm;
    case PictureId::PrevMonth:
      return kPrevMonthXpm;
    case PictureId::PrevMonthDown:
      return kPrevMonthDownXpm;
    case PictureId::ThisMonth:
      return kThisMonthXpm;
    case PictureId::ThisMonthDown:
      return kThisMonthDownXpm;
    case PictureId::NextMonth:
      return kNextMonthXpm;
    case PictureId::NextMonthDown:
      return kNextMonthDownXpm;
    case PictureId::Home:
      return kHomeXpm;
    case PictureId::HomeDown:
      return kHomeDownXpm;
    case PictureId::HandCursor:
      return kHandCursorXpm;
  }
  return {};
}

ArgbImage PictureImage(PictureId id) {
  return DecodeXpm(PictureXpm(id)).value_or(ArgbImage{});
}

}  // namespace ombrelk
