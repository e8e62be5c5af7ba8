#include "platform/backends/win32/key_preview_filter.h"

#include "platform/backends/win32/key_mapping.h"
#include "platform/controls/key_codes.h"

namespace ombrelk {

namespace {

bool IsPushButton(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, L"BUTTON") == 0;
}

}  // namespace

bool KeyPreviewFilter::Filter(const MSG& msg) const {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const std::int16_t shift = ShiftMask();
  if (form_.key_preview && form_.KeyDown) {
    auto code = static_cast<std::int16_t>(msg.wParam);
    form_.KeyDown(code, shift);
    if (code == 0) return true;
  }
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.wParam == VK_TAB && (shift & ~kShiftMask) == 0) {
    focus_.Step((shift & kShiftMask) != 0 ? -1 : 1);
    return true;
  }
  if (msg.wParam == VK_RETURN && shift == 0 && msg.hwnd != window_ && IsPushButton(msg.hwnd)) {
    SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace ombrelk
