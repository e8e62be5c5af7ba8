#pragma once
#include <span>
namespace ombrelk {
// Every picture the program shows. The pixel data is plain XPM text, so any toolkit can load it.
enum class PictureId {
  AppIcon,  // 32 x 32, 16 colours
  PrevMonth,
  PrevMonthDown,  // 20 x 20 each
  ThisMonth,
  ThisMonthDown,
  NextMonth,
  NextMonthDown,
  Home,
  HomeDown,
  HandCursor  // 32 x 32, 16 colours, hot spot (12, 1)
};
// The XPM lines of a picture (header line, colour lines, pixel rows), for QPixmap/QImage(const
// char* const xpm[]) or any XPM reader.
std::span<const char* const> PictureXpm(PictureId id);
}  // namespace ombrelk
