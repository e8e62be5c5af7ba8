#include "platform/backends/win32/label_mouse.h"

#include <utility>

#include "platform/backends/win32/key_mapping.h"
#include "platform/controls/key_codes.h"

namespace ombrelk {

std::optional<LRESULT> LabelMouse::Take(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Press(message, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      Release(lparam);
      return 0;
    case WM_MOUSEMOVE:
      Move(wparam, lparam);
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == window_ && LOWORD(lparam) == HTCLIENT &&
          SetLabelCursor()) {
        return TRUE;
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void LabelMouse::Press(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT pt = ClientPoint(lparam);
  Label* label = peers_.LabelAt(pt);
  if (label == nullptr) return;
  const std::int16_t button = ButtonMask(message);
  // The second press of a double-click makes no second click: the forms
  // runtime reports it as the label's double-click, which a link would
  // otherwise follow twice.
  if (message == WM_LBUTTONDOWN) {
    pressed_ = label;
    SetCapture(window_);
  }
  if (label->MouseDown) {
    const ScreenUnits& u = ui_.units();
    label->MouseDown(button, PressShiftMask(wparam), u.Twips(pt.x) - label->Left(),
                     u.Twips(pt.y) - label->Top());
  }
}

void LabelMouse::Move(WPARAM wparam, LPARAM lparam) const {
  // A held press keeps the pointer with the pressed label wherever it goes,
  // as the forms runtime captures it for the pressed control. The form's own
  // move handler reads tray notifications, which come by a message of their
  // own: no real move reaches it, or a pointer far enough right would pass
  // for a click on the icon.
  const POINT pt = ClientPoint(lparam);
  RECT client{};
  GetClientRect(window_, &client);
  Label* label = pressed_;
  if (label == nullptr && PtInRect(&client, pt)) label = peers_.LabelAt(pt);
  if (label == nullptr || !label->MouseMove) return;
  const ScreenUnits& u = ui_.units();
  label->MouseMove(ButtonsHeld(wparam), ShiftMask(), u.Twips(pt.x) - label->Left(),
                   u.Twips(pt.y) - label->Top());
}

void LabelMouse::Release(LPARAM lparam) {
  Label* pressed = std::exchange(pressed_, nullptr);
  if (GetCapture() == window_) ReleaseCapture();
  if (pressed != nullptr && peers_.LabelAt(ClientPoint(lparam)) == pressed && pressed->Click) {
    pressed->Click();
  }
}

bool LabelMouse::SetLabelCursor() const {
  POINT pt{};
  GetCursorPos(&pt);
  ScreenToClient(window_, &pt);
  const Label* label = peers_.LabelAt(pt);
  if (label == nullptr || !label->mouse_pointer) return false;
  SetCursor(ui_.Cursor(*label->mouse_pointer));
  return true;
}

}  // namespace ombrelk
