#include "platform/backends/qt/picture_button_widget.h"

#include <QKeyEvent>

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/control_geometry.h"
#include "platform/backends/qt/qt_pictures.h"

namespace ombrelk {

namespace {

constexpr int kPictureSize = 20;

}  // namespace

PictureButtonWidget::PictureButtonWidget(PictureButton& button, QWidget* parent)
    : QToolButton(parent), button_(button) {
  if (button.picture) up_ = PictureIcon(*button.picture);
  down_ = button.down_picture ? PictureIcon(*button.down_picture) : up_;
  setIcon(up_);
  setIconSize({kPictureSize, kPictureSize});
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setFocusPolicy(Qt::StrongFocus);
  setToolTip(QString::fromStdString(button.ToolTipText()));
  connect(this, &QAbstractButton::pressed, this, [this] { setIcon(down_); });
  connect(this, &QAbstractButton::released, this, [this] { setIcon(up_); });
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (button_.Click) button_.Click();
  });
  ApplyGeometry(*this, button);
  button_.AttachPeer(this);
}

PictureButtonWidget::~PictureButtonWidget() {
  button_.AttachPeer(nullptr);
}

void PictureButtonWidget::PropertyChanged(Property what) {
  if (what == Property::Geometry || what == Property::Visible) ApplyGeometry(*this, button_);
  if (what == Property::AccessibleName) MirrorAccessible(*this, button_);
}

void PictureButtonWidget::keyPressEvent(QKeyEvent* event) {
  // A focused button is pressed by Enter as well as by the space bar.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    animateClick();
    return;
  }
  QToolButton::keyPressEvent(event);
}

}  // namespace ombrelk
