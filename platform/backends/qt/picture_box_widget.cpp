#include "platform/backends/qt/picture_box_widget.h"

#include "platform/backends/qt/control_geometry.h"
#include "platform/backends/qt/qt_pictures.h"

namespace ombrelk {

PictureBoxWidget::PictureBoxWidget(PictureBox& box, QWidget* parent) : QLabel(parent), box_(box) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::NoFocus);
  if (box.picture) setPixmap(PicturePixmap(*box.picture));
  ApplyGeometry(*this, box);
  box_.AttachPeer(this);
}

PictureBoxWidget::~PictureBoxWidget() {
  box_.AttachPeer(nullptr);
}

void PictureBoxWidget::PropertyChanged(Property what) {
  if (what == Property::Geometry || what == Property::Visible) ApplyGeometry(*this, box_);
}

}  // namespace ombrelk
