#pragma once

#include <QWidget>

#include "platform/controls/buttons.h"

namespace ombrelk {

// A thin line between two points of the client area. It takes no mouse
// input, so whatever lies under it still gets the clicks.
class LineWidget : public QWidget, public ControlPeer {
 public:
  LineWidget(Line& line, QWidget* parent);
  ~LineWidget() override;

  void PropertyChanged(Property what) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Place();

  Line& line_;
};

}  // namespace ombrelk
