#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/controls/control.h"
#include "platform/controls/picture_ref.h"

namespace ombrelk {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
 public:
  Label(std::string name, int index = -1) : Control(ControlKind::Label, std::move(name), index) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Notify(Property::Caption);
  }
  // A label without a name of its own (the version dialog's texts) is read
  // by its caption.
  const std::string& AccessibleName() const override {
    return Control::AccessibleName().empty() ? caption_ : Control::AccessibleName();
  }
  Colour ForeColor() const { return fore_color_; }
  void SetForeColor(Colour c) {
    if (c == fore_color_) return;
    fore_color_ = c;
    Notify(Property::ForeColor);
  }

  // Layout properties, fixed before a backend attaches.
  Alignment alignment = Alignment::Left;
  Font font;
  bool transparent = false;
  PictureRef mouse_pointer;  // custom cursor over the label

  // Button: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt. X, Y in twips.
  std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> MouseDown;
  // The pointer moved over the label; button holds the buttons down, as a mask.
  std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> MouseMove;
  std::function<void()> Click;

 private:
  std::string caption_;
  Colour fore_color_ = kBlack;
};

}  // namespace ombrelk
