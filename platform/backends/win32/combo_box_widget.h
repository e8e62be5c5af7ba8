#pragma once

#include "platform/backends/win32/child_peer.h"
#include "platform/backends/win32/control_accessible.h"
#include "platform/controls/combo_box.h"

namespace ombrelk {

class WidgetHost;

// A drop-down list. A user's choice goes into the model (which raises Click);
// a choice made in the model is only shown, without a notification.
class ComboBoxWidget : public ChildPeer {
 public:
  ComboBoxWidget(ComboBox& combo, WidgetHost& host);
  ~ComboBoxWidget() override;
  ComboBoxWidget(const ComboBoxWidget&) = delete;
  ComboBoxWidget& operator=(const ComboBoxWidget&) = delete;

  HWND Window() const override { return window_; }
  void PropertyChanged(Property what) override;
  void Command(WORD code) override;

 private:
  void Place();

  ComboBox& combo_;
  WidgetHost& host_;
  HWND window_;
  ControlAccessible reader_;
};

}  // namespace ombrelk
