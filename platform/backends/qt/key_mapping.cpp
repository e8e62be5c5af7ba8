#include "platform/backends/qt/key_mapping.h"

#include <array>

#include "platform/controls/key_codes.h"

namespace ombrelk {

namespace {

struct KeyPair {
  int qt_key;
  std::int16_t vk;
};

constexpr auto kNamedKeys = std::to_array<KeyPair>({
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},         {Qt::Key_Home, kVkHome},   {Qt::Key_Left, kVkLeft},
    {Qt::Key_Up, kVkUp},       {Qt::Key_Right, kVkRight}, {Qt::Key_Down, kVkDown},
    {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},        {Qt::Key_Menu, 93},        {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
});

// Keys of the numeric keypad while Num Lock is on.
std::int16_t KeypadCode(int qt_key) {
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    return static_cast<std::int16_t>(96 + (qt_key - Qt::Key_0));
  }
  switch (qt_key) {
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Minus:
      return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return 110;
    case Qt::Key_Slash:
      return 111;
    default:
      return 0;
  }
}

}  // namespace

std::int16_t VirtualKeyCode(int qt_key, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const std::int16_t code = KeypadCode(qt_key); code != 0) return code;
  }
  // Letters and digits carry the same codes in both worlds.
  if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) ||
      (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)) {
    return static_cast<std::int16_t>(qt_key);
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) {
    return static_cast<std::int16_t>(112 + (qt_key - Qt::Key_F1));
  }
  for (const KeyPair& k : kNamedKeys) {
    if (k.qt_key == qt_key) return k.vk;
  }
  return 0;
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
  std::int16_t mask = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) mask |= kShiftMask;
  if (modifiers.testFlag(Qt::ControlModifier)) mask |= kCtrlMask;
  if (modifiers.testFlag(Qt::AltModifier)) mask |= kAltMask;
  return mask;
}

std::int16_t ButtonMask(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return kMiddleButton;
    default:
      return 0;
  }
}

}  // namespace ombrelk
