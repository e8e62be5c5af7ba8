#pragma once

#include <cstdint>
#include <optional>

namespace ombrelk {

// The tray record's hIcon names a picture: a PictureId, or the calendar page
// carrying a day of the month, which each backend draws (DrawAppIcon) at the
// sizes its tray shows. The day pages sit above every PictureId.
inline constexpr std::int32_t kDayPageIcons = 0x100;

// The hIcon of the page carrying the day (1..31).
std::int32_t DayPageIcon(int day);

// The day an hIcon's page carries; nothing for a PictureId.
std::optional<int> DayOfIcon(std::int32_t icon);

}  // namespace ombrelk
