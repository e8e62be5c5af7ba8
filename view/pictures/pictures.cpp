#include "view/pictures/pictures.h"

#include <array>

namespace ombrelk {

namespace {

// Each picture's XPM lines are kept in a file of their own, one pixel row a
// line, so that each stays readable as a picture.
constexpr auto kAppIconXpm = std::to_array<const char*>({
#include "view/pictures/app_icon.xpm.inc"
});
constexpr auto kPrevMonthXpm = std::to_array<const char*>({
#include "view/pictures/prev_month.xpm.inc"
});
constexpr auto kPrevMonthDownXpm = std::to_array<const char*>({
#include "view/pictures/prev_month_down.xpm.inc"
});
constexpr auto kThisMonthXpm = std::to_array<const char*>({
#include "view/pictures/this_month.xpm.inc"
});
constexpr auto kThisMonthDownXpm = std::to_array<const char*>({
#include "view/pictures/this_month_down.xpm.inc"
});
constexpr auto kNextMonthXpm = std::to_array<const char*>({
#include "view/pictures/next_month.xpm.inc"
});
constexpr auto kNextMonthDownXpm = std::to_array<const char*>({
#include "view/pictures/next_month_down.xpm.inc"
});
constexpr auto kHomeXpm = std::to_array<const char*>({
#include "view/pictures/home.xpm.inc"
});
constexpr auto kHomeDownXpm = std::to_array<const char*>({
#include "view/pictures/home_down.xpm.inc"
});
constexpr auto kHandCursorXpm = std::to_array<const char*>({
#include "view/pictures/hand_cursor.xpm.inc"
});

}  // namespace

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
