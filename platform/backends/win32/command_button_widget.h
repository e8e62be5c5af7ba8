#pragma once

#include "platform/backends/win32/child_peer.h"
#include "platform/controls/buttons.h"

namespace ombrelk {

class WidgetHost;

// A button with a caption in its own font. It is never a default button by
// itself: Enter presses it only while it has the focus.
class CommandButtonWidget : public ChildPeer {
 public:
  CommandButtonWidget(CommandButton& button, WidgetHost& host);
  ~CommandButtonWidget() override;
  CommandButtonWidget(const CommandButtonWidget&) = delete;
  CommandButtonWidget& operator=(const CommandButtonWidget&) = delete;

  HWND Window() const override { return window_; }
  void PropertyChanged(Property what) override;
  void Command(WORD code) override;

 private:
  CommandButton& button_;
  WidgetHost& host_;
  HWND window_;
};

}  // namespace ombrelk
