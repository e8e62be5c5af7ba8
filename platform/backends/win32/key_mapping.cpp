#include "platform/backends/win32/key_mapping.h"

#include "platform/controls/key_codes.h"

namespace ombrelk {

std::int16_t ShiftMask() {
  std::int16_t mask = 0;
  if (GetKeyState(VK_SHIFT) < 0) mask |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) mask |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) mask |= kAltMask;
  return mask;
}

std::int16_t PressShiftMask(WPARAM mouse_keys) {
  return static_cast<std::int16_t>(((mouse_keys & MK_SHIFT) != 0 ? kShiftMask : 0) |
                                   ((mouse_keys & MK_CONTROL) != 0 ? kCtrlMask : 0) |
                                   (GetKeyState(VK_MENU) < 0 ? kAltMask : 0));
}

std::int16_t ButtonMask(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return kRightButton;
    default:
      return kMiddleButton;
  }
}

std::int16_t ButtonsHeld(WPARAM mouse_keys) {
  return static_cast<std::int16_t>(((mouse_keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
                                   ((mouse_keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
                                   ((mouse_keys & MK_MBUTTON) != 0 ? kMiddleButton : 0));
}

POINT ClientPoint(LPARAM lparam) {
  return {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

}  // namespace ombrelk
