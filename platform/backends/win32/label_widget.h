#pragma once

#include "platform/backends/win32/child_peer.h"
#include "platform/controls/label.h"

namespace ombrelk {

class WidgetHost;

// A label, drawn by its form: opaque unless the model says transparent (a
// transparent one without caption is just a surface that catches the mouse),
// its text from the top edge in its colour, alignment and font.
class LabelWidget : public ChildPeer {
 public:
  LabelWidget(Label& label, WidgetHost& host);
  ~LabelWidget() override;
  LabelWidget(const LabelWidget&) = delete;
  LabelWidget& operator=(const LabelWidget&) = delete;

  void PropertyChanged(Property what) override;
  void Paint(HDC dc) override;
  Label* LabelAt(POINT pt) override;

 private:
  Label& label_;
  WidgetHost& host_;
};

}  // namespace ombrelk
