#pragma once

#include <functional>
#include <string>

#include "platform/controls/control.h"
#include "platform/controls/picture_ref.h"

namespace ombrelk {

// A graphical button: a picture, and a second one of the same shape shown while pressed.
class PictureButton : public Control {
 public:
  PictureButton(std::string name, int index = -1)
      : Control(ControlKind::PictureButton, std::move(name), index) {}

  std::string tag;
  PictureRef picture;
  PictureRef down_picture;
  std::function<void()> Click;
};

// A plain button with a caption.
class CommandButton : public Control {
 public:
  CommandButton(std::string name, int index = -1)
      : Control(ControlKind::CommandButton, std::move(name), index) {}

  std::string caption;
  Font font;
  bool is_default = false;
  bool is_cancel = false;
  std::function<void()> Click;
};

class PictureBox : public Control {
 public:
  PictureBox(std::string name, int index = -1)
      : Control(ControlKind::PictureBox, std::move(name), index) {}
  PictureRef picture;
};

// A straight line between two points in twips.
class Line : public Control {
 public:
  Line(std::string name, int index = -1) : Control(ControlKind::Line, std::move(name), index) {}
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour border_color = kBlack;
};

}  // namespace ombrelk
