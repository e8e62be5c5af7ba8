#pragma once

#include <QIcon>
#include <QToolButton>

#include "platform/controls/buttons.h"

namespace ombrelk {

// A graphical button: its picture, and the second picture while it is held down.
class PictureButtonWidget : public QToolButton, public ControlPeer {
 public:
  PictureButtonWidget(PictureButton& button, QWidget* parent);
  ~PictureButtonWidget() override;

  void PropertyChanged(Property what) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  PictureButton& button_;
  QIcon up_;
  QIcon down_;
};

}  // namespace ombrelk
