#include "platform/backends/win32/command_button_widget.h"

#include "platform/backends/win32/control_geometry.h"
#include "platform/backends/win32/widget_host.h"
#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

CommandButtonWidget::CommandButtonWidget(CommandButton& button, WidgetHost& host)
    : button_(button),
      host_(host),
      window_(CreateControlWindow(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON,
                                  Wide(button.caption).c_str(), button, host)) {
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(host.ui().FontOf(button.font)), FALSE);
  button_.AttachPeer(this);
}

CommandButtonWidget::~CommandButtonWidget() {
  button_.AttachPeer(nullptr);
}

void CommandButtonWidget::PropertyChanged(Property what) {
  if (what == Property::Geometry || what == Property::Visible) {
    ApplyGeometry(window_, button_, host_);
  }
}

void CommandButtonWidget::Command(WORD code) {
  // A button that notifies (BS_NOTIFY) reports the second of two quick
  // clicks as a double-click; each one is a click all the same.
  const bool clicked = code == BN_CLICKED || code == BN_DOUBLECLICKED;
  if (clicked && button_.Click) button_.Click();
}

}  // namespace ombrelk
