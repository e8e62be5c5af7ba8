#include "platform/backends/qt/control_widget_factory.h"

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/combo_box_widget.h"
#include "platform/backends/qt/command_button_widget.h"
#include "platform/backends/qt/label_widget.h"
#include "platform/backends/qt/line_widget.h"
#include "platform/backends/qt/picture_box_widget.h"
#include "platform/backends/qt/picture_button_widget.h"

namespace ombrelk {

namespace {

QWidget* MakeWidget(Control& control, QWidget& parent) {
  switch (control.Kind()) {
    case ControlKind::Label:
      return new LabelWidget(static_cast<Label&>(control), &parent);
    case ControlKind::PictureButton:
      return new PictureButtonWidget(static_cast<PictureButton&>(control), &parent);
    case ControlKind::CommandButton:
      return new CommandButtonWidget(static_cast<CommandButton&>(control), &parent);
    case ControlKind::ComboBox:
      return new ComboBoxWidget(static_cast<ComboBox&>(control), &parent);
    case ControlKind::Line:
      return new LineWidget(static_cast<Line&>(control), &parent);
    case ControlKind::PictureBox:
      return new PictureBoxWidget(static_cast<PictureBox&>(control), &parent);
    case ControlKind::Form:
    case ControlKind::MenuItem:
      break;
  }
  return nullptr;
}

}  // namespace

QWidget* MakeControlWidget(Control& control, QWidget& parent) {
  QWidget* widget = MakeWidget(control, parent);
  if (widget != nullptr) MirrorAccessible(*widget, control);
  return widget;
}

}  // namespace ombrelk
