#pragma once

#include <memory>

#include "platform/backends/win32/child_peer.h"
#include "platform/controls/control.h"

namespace ombrelk {

class WidgetHost;

// The peer that realises a control in its form, attached to the control;
// null for a kind that has none (menus).
std::unique_ptr<ChildPeer> MakeControlPeer(Control& control, WidgetHost& host);

}  // namespace ombrelk
