#pragma once

#include <QIcon>
#include <optional>

namespace ombrelk {

// The program's picture (DrawAppIcon), with the day when one is given, as
// an icon drawn for the size it is asked for, 16 to 256 pixels, rather than
// scaled from the nearest of a few pixmaps: an XEmbed tray paints the icon
// into a window of whatever size the tray gives it (26 pixels in a 28-pixel
// panel), where a scaled page loses its sharp edges and digits. It lists
// the sizes a panel may ask for (and those times the screen's pixel ratio),
// which a StatusNotifierItem exports as its pixmaps.
QIcon DrawnAppIcon(std::optional<int> day);

}  // namespace ombrelk
