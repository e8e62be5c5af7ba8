#pragma once

#include "platform/backends/win32/child_peer.h"
#include "platform/backends/win32/control_accessible.h"
#include "platform/controls/buttons.h"

namespace ombrelk {

class WidgetHost;

// A graphical button: its picture on a raised face, and the second picture
// while it is held down. The space bar or Enter press it while it has the focus.
class PictureButtonWidget : public ChildPeer {
 public:
  PictureButtonWidget(PictureButton& button, WidgetHost& host);
  ~PictureButtonWidget() override;
  PictureButtonWidget(const PictureButtonWidget&) = delete;
  PictureButtonWidget& operator=(const PictureButtonWidget&) = delete;

  HWND Window() const override { return window_; }
  void PropertyChanged(Property what) override;
  void Command(WORD code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  PictureButton& button_;
  WidgetHost& host_;
  HWND window_;
  ControlAccessible reader_;
};

}  // namespace ombrelk
