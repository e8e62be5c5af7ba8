#include "platform/backends/win32/control_peers.h"

#include "platform/backends/win32/control_widget_factory.h"
#include "platform/controls/form_order.h"

namespace ombrelk {

void ControlPeers::Make(WidgetHost& host) {
  for (Control* control : form_.controls) {
    std::unique_ptr<ChildPeer> peer = MakeControlPeer(*control, host);
    if (peer) peers_[control] = std::move(peer);
  }
  // Raising each window above the ones placed before leaves the form's first
  // control on top; the windowless ones are painted in the same order.
  for (Control* control : StackingBottomUp(form_)) {
    if (HWND w = WindowOf(*control)) {
      SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

ChildPeer* ControlPeers::Of(const Control& control) const {
  const auto it = peers_.find(&control);
  return it == peers_.end() ? nullptr : it->second.get();
}

HWND ControlPeers::WindowOf(const Control& control) const {
  const ChildPeer* peer = Of(control);
  return peer != nullptr ? peer->Window() : nullptr;
}

ChildPeer* ControlPeers::OfWindow(HWND child) const {
  for (const auto& [control, peer] : peers_) {
    if (peer->Window() == child) return peer.get();
  }
  return nullptr;
}

std::optional<LRESULT> ControlPeers::Notification(UINT message, WPARAM wparam,
                                                  LPARAM lparam) const {
  if (message == WM_COMMAND) {
    ChildPeer* peer = OfWindow(reinterpret_cast<HWND>(lparam));
    if (peer == nullptr) return std::nullopt;
    peer->Command(HIWORD(wparam));
    return 0;
  }
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    ChildPeer* peer = OfWindow(item->hwndItem);
    if (peer != nullptr && peer->DrawItem(*item)) return TRUE;
  }
  return std::nullopt;
}

Label* ControlPeers::LabelAt(POINT pt) const {
  for (const Control* control : form_.controls) {  // from the top down
    ChildPeer* peer = Of(*control);
    if (Label* label = peer != nullptr ? peer->LabelAt(pt) : nullptr) return label;
  }
  return nullptr;
}

void ControlPeers::Paint(HWND window) const {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(window, &ps);
  RECT client{};
  GetClientRect(window, &client);
  // Drawn off screen first, so that overlapping labels never flicker.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(buffer, bitmap);
  FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
  for (const Control* control : StackingBottomUp(form_)) {
    if (ChildPeer* peer = Of(*control)) peer->Paint(buffer);
  }
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window, &ps);
}

}  // namespace ombrelk
