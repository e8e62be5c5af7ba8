#pragma once

#include "platform/backends/win32/child_peer.h"
#include "platform/controls/buttons.h"

namespace ombrelk {

class WidgetHost;

// A thin line between two points of the client area, drawn by its form. It
// takes no mouse input, so whatever lies under it still gets the presses.
class LineWidget : public ChildPeer {
 public:
  LineWidget(Line& line, WidgetHost& host);
  ~LineWidget() override;
  LineWidget(const LineWidget&) = delete;
  LineWidget& operator=(const LineWidget&) = delete;

  void PropertyChanged(Property what) override;
  void Paint(HDC dc) override;

 private:
  Line& line_;
  WidgetHost& host_;
};

}  // namespace ombrelk
