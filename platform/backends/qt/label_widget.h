#pragma once

#include <QLabel>

#include "platform/controls/label.h"

namespace ombrelk {

// A label: opaque unless the model says transparent (a transparent one with no
// caption is just a surface that catches the mouse). Presses raise MouseDown,
// a press and release over it Click, and the pointer's moves MouseMove when the
// model listens to them. Its tool tip follows the model's at once.
class LabelWidget : public QLabel, public ControlPeer {
 public:
  LabelWidget(Label& label, QWidget* parent);
  ~LabelWidget() override;

  void PropertyChanged(Property what) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ShowForeColor();
  void ShowToolTip();

  Label& label_;
  bool pressed_ = false;
};

}  // namespace ombrelk
