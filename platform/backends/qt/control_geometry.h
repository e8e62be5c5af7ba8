#pragma once

#include <QWidget>

#include "platform/backends/qt/units.h"
#include "platform/controls/control.h"

namespace ombrelk {

// Places a child widget where its control lies in the client area, and shows
// or hides it with the control.
inline void ApplyGeometry(QWidget& widget, const Control& control) {
  const QRect r = PixelRect(control.Bounds());
  if (widget.geometry() != r) widget.setGeometry(r);
  if (widget.isVisibleTo(widget.parentWidget()) != control.Visible()) {
    widget.setVisible(control.Visible());
  }
}

}  // namespace ombrelk
