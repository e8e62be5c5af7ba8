#pragma once

#include <cstdint>
#include <optional>

namespace ombrelk {

// A tray notification reaches the main window as a mouse-move event: the
// shell puts the mouse message that happened on the icon (515 for a left
// double-click) in the place of the pointer's x position, in pixels, and the
// window sees that x in twips. The two halves live side by side so that every
// backend encodes what the window decodes.

// The x position, in twips, at which a backend delivers a tray message.
float TrayNotificationX(std::int32_t message, float twips_per_pixel);

// The mouse message that a tray notification carries in its x position.
// Nothing for a position no notification can have (beyond 32 bits, or no
// pixel size).
std::optional<std::int32_t> NotificationCode(float x_twips, float twips_per_pixel);

}  // namespace ombrelk
