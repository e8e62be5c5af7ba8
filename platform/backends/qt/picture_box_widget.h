#pragma once

#include <QLabel>

#include "platform/controls/buttons.h"

namespace ombrelk {

// A picture shown at its natural size from the box's top left corner.
class PictureBoxWidget : public QLabel, public ControlPeer {
 public:
  PictureBoxWidget(PictureBox& box, QWidget* parent);
  ~PictureBoxWidget() override;

  void PropertyChanged(Property what) override;

 private:
  PictureBox& box_;
};

}  // namespace ombrelk
