#include "platform/backends/qt/command_button_widget.h"

#include <QKeyEvent>

#include "platform/backends/qt/control_geometry.h"
#include "platform/backends/qt/qt_font.h"

namespace ombrelk {

CommandButtonWidget::CommandButtonWidget(CommandButton& button, QWidget* parent)
    : QPushButton(QString::fromStdString(button.caption), parent), button_(button) {
  setFont(ToQFont(button.font));
  setAutoDefault(false);
  setDefault(button.is_default);
  setFocusPolicy(Qt::StrongFocus);
  if (!button.ToolTipText().empty()) setToolTip(QString::fromStdString(button.ToolTipText()));
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (button_.Click) button_.Click();
  });
  ApplyGeometry(*this, button);
  button_.AttachPeer(this);
}

CommandButtonWidget::~CommandButtonWidget() {
  button_.AttachPeer(nullptr);
}

void CommandButtonWidget::PropertyChanged(Property what) {
  if (what == Property::Geometry || what == Property::Visible) ApplyGeometry(*this, button_);
}

void CommandButtonWidget::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    animateClick();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace ombrelk
