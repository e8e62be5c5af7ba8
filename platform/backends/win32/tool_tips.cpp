#include "platform/backends/win32/tool_tips.h"

#include <string>

#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

ToolTips::~ToolTips() {
  if (tips_ != nullptr) DestroyWindow(tips_);
}

TOOLINFOW ToolTips::ToolOf(const Control& control) const {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = window_;
  info.uFlags = TTF_SUBCLASS;
  if (HWND w = peers_.WindowOf(control)) {
    info.uFlags |= TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(w);
  } else {
    info.uId = reinterpret_cast<UINT_PTR>(&control);
    info.rect = ui_.units().PixelRect(control.Bounds());
  }
  return info;
}

void ToolTips::Add(const Form& form) {
  for (Control* control : form.controls) {
    const auto* label =
        control->Kind() == ControlKind::Label ? static_cast<const Label*>(control) : nullptr;
    const bool tip_may_come = label != nullptr && label->MouseMove;
    if (control->ToolTipText().empty() && !tip_may_come) continue;
    if (peers_.WindowOf(*control) == nullptr && label == nullptr) continue;
    if (tips_ == nullptr) {
      tips_ =
          CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, ui_.instance(), nullptr);
      SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.FontOf(Font{})), FALSE);
    }
    std::wstring text = Wide(control->ToolTipText());
    TOOLINFOW info = ToolOf(*control);
    info.lpszText = text.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void ToolTips::Changed(const Control& control) {
  if (tips_ == nullptr) return;
  std::wstring text = Wide(control.ToolTipText());
  TOOLINFOW info = ToolOf(control);
  info.lpszText = text.data();
  SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  // A tip that changes under the pointer shows at once; an empty one goes.
  SendMessageW(tips_, text.empty() ? TTM_POP : TTM_POPUP, 0, 0);
}

}  // namespace ombrelk
