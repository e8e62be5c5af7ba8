#pragma once

#include "platform/backends/win32/win32_api.h"

#include <cstdint>

namespace ombrelk {

// The modifier mask of key and mouse events, from the keyboard as it is now:
// 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask();

// The modifier mask of a mouse press: Shift and Ctrl as the message carries
// them (its MK_ flags), Alt from the keyboard.
std::int16_t PressShiftMask(WPARAM mouse_keys);

// The button of a press or double-click message as a mask: 1 left, 2 right,
// 4 middle.
std::int16_t ButtonMask(UINT message);

// The buttons held during a mouse move (its MK_ flags), as a mask.
std::int16_t ButtonsHeld(WPARAM mouse_keys);

// The client point of a mouse message; each coordinate is signed, since a
// captured mouse reports points left of and above the client area.
POINT ClientPoint(LPARAM lparam);

}  // namespace ombrelk
