#pragma once

#include <QPushButton>

#include "platform/controls/buttons.h"

namespace ombrelk {

// A button with a caption. It is never a dialog's default button by itself:
// Enter presses it only while it has the focus.
class CommandButtonWidget : public QPushButton, public ControlPeer {
 public:
  CommandButtonWidget(CommandButton& button, QWidget* parent);
  ~CommandButtonWidget() override;

  void PropertyChanged(Property what) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CommandButton& button_;
};

}  // namespace ombrelk
