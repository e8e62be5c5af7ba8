#pragma once

#include <QWidget>

#include "platform/controls/control.h"

namespace ombrelk {

// The widget that realises a control inside a window's client area, attached
// to the control as its peer; null for a kind that has no widget (menus).
QWidget* MakeControlWidget(Control& control, QWidget& parent);

}  // namespace ombrelk
