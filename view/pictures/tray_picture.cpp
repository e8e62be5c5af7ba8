#include "view/pictures/tray_picture.h"

#include <algorithm>

namespace ombrelk {

std::int32_t DayPageIcon(int day) {
  return kDayPageIcons + std::clamp(day, 1, 31);
}

std::optional<int> DayOfIcon(std::int32_t icon) {
  if (icon <= kDayPageIcons || icon > kDayPageIcons + 31) return std::nullopt;
  return icon - kDayPageIcons;
}

}  // namespace ombrelk
