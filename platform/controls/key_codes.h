#pragma once

#include <cstdint>

namespace ombrelk {

// Windows virtual-key codes, as the forms' KeyDown events carry them; each
// backend maps its own keys to these (a Win32 backend passes wParam on).
inline constexpr std::int16_t kVkHome = 36;
inline constexpr std::int16_t kVkLeft = 37;
inline constexpr std::int16_t kVkUp = 38;
inline constexpr std::int16_t kVkRight = 39;
inline constexpr std::int16_t kVkDown = 40;
inline constexpr std::int16_t kVkB = 66;
inline constexpr std::int16_t kVkC = 67;
inline constexpr std::int16_t kVkN = 78;

// Modifier mask of key and mouse events.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// Mouse buttons, as a mask.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

}  // namespace ombrelk
