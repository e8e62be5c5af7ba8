#pragma once

#include <optional>

#include "view/pictures/xpm.h"

namespace ombrelk {

// The sizes the program's picture is drawn at; a size outside gives an
// empty image.
inline constexpr int kSmallestAppIcon = 16;
inline constexpr int kLargestAppIcon = 256;

// The program's picture, the calendar page of the 32-pixel icon (rings, a
// black outline, a red top band, a grey shadow), drawn for the size asked
// rather than scaled: its edges fall on whole pixels at every size, and
// only the rounded corners and the rings of the larger sizes are smoothed.
// Without a day the page carries the month's marks like the 32-pixel icon;
// with a day (1..31) it carries that number in dark digits on the page's own
// white, large enough to read at 16 pixels on a light or a dark panel.
ArgbImage DrawAppIcon(int size, std::optional<int> day = std::nullopt);

}  // namespace ombrelk
