#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace ombrelk {

// The Windows virtual-key code of a Qt key, 0 for a key without one.
std::int16_t VirtualKeyCode(int qt_key, Qt::KeyboardModifiers modifiers);

// The modifier mask of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);

// Mouse buttons as a mask: 1 left, 2 right, 4 middle.
std::int16_t ButtonMask(Qt::MouseButton button);

}  // namespace ombrelk
