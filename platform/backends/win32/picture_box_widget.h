#pragma once

#include "platform/backends/win32/child_peer.h"
#include "platform/controls/buttons.h"

namespace ombrelk {

class WidgetHost;

// A picture at its natural size (scaled with the screen's resolution) from
// the box's top left corner, drawn by its form.
class PictureBoxWidget : public ChildPeer {
 public:
  PictureBoxWidget(PictureBox& box, WidgetHost& host);
  ~PictureBoxWidget() override;
  PictureBoxWidget(const PictureBoxWidget&) = delete;
  PictureBoxWidget& operator=(const PictureBoxWidget&) = delete;

  void PropertyChanged(Property what) override;
  void Paint(HDC dc) override;

 private:
  PictureBox& box_;
  WidgetHost& host_;
};

}  // namespace ombrelk
