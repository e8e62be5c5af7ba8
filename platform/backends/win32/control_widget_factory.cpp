#include "platform/backends/win32/control_widget_factory.h"

#include "platform/backends/win32/combo_box_widget.h"
#include "platform/backends/win32/command_button_widget.h"
#include "platform/backends/win32/label_widget.h"
#include "platform/backends/win32/line_widget.h"
#include "platform/backends/win32/picture_box_widget.h"
#include "platform/backends/win32/picture_button_widget.h"

namespace ombrelk {

std::unique_ptr<ChildPeer> MakeControlPeer(Control& control, WidgetHost& host) {
  switch (control.Kind()) {
    case ControlKind::Label:
      return std::make_unique<LabelWidget>(static_cast<Label&>(control), host);
    case ControlKind::PictureButton:
      return std::make_unique<PictureButtonWidget>(static_cast<PictureButton&>(control), host);
    case ControlKind::CommandButton:
      return std::make_unique<CommandButtonWidget>(static_cast<CommandButton&>(control), host);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxWidget>(static_cast<ComboBox&>(control), host);
    case ControlKind::Line:
      return std::make_unique<LineWidget>(static_cast<Line&>(control), host);
    case ControlKind::PictureBox:
      return std::make_unique<PictureBoxWidget>(static_cast<PictureBox&>(control), host);
    case ControlKind::Form:
    case ControlKind::MenuItem:
      break;
  }
  return nullptr;
}

}  // namespace ombrelk
