#include "platform/backends/win32/form_peer.h"

#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_text.h"
#include "platform/controls/form_order.h"

namespace ombrelk {

namespace {

constexpr const wchar_t* kPeerProperty = L"OmbrelkFormPeer";

}  // namespace

FormPeer::FormPeer(Form& form, UiResources& ui, HWND owner)
    : form_(form),
      ui_(ui),
      form_window_(form, ui, owner),
      window_(form_window_.hwnd()),
      peers_(form),
      focus_(window_),
      keys_(form, window_, focus_),
      tips_(window_, ui, peers_),
      mouse_(window_, ui, peers_),
      accessible_(new FormAccessible(window_, form, peers_, ui.units())) {
  SetPropW(window_, kPeerProperty, this);
  form_window_.SetHandler(this);
  form_.SetHwnd(HandleOf(window_));
  FrameChanged();
  form_.AttachPeer(this);
}

FormPeer::~FormPeer() {
  DisconnectReaders();
  form_.AttachPeer(nullptr);
  form_window_.SetHandler(nullptr);
  RemovePropW(window_, kPeerProperty);
}

void FormPeer::DisconnectReaders() {
  if (accessible_ == nullptr) return;
  accessible_->Disconnect();
  accessible_->Release();
  accessible_ = nullptr;
}

void FormPeer::AccessibleChanged(const Control& control, Property what) {
  if (accessible_ == nullptr) return;
  if (what == Property::AccessibleName) {
    // A control that is no child (an empty cell) has nothing to announce.
    if (const long id = accessible_->ChildId(control)) {
      NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, id);
    }
    return;
  }
  // The children came or went: the ids after them moved.
  NotifyWinEvent(EVENT_OBJECT_REORDER, window_, OBJID_CLIENT, CHILDID_SELF);
}

FormPeer* FormPeer::Of(HWND window) {
  return window == nullptr ? nullptr : static_cast<FormPeer*>(GetPropW(window, kPeerProperty));
}

void FormPeer::RealiseControls() {
  peers_.Make(*this);
  for (Control* control : TabOrder(form_)) {
    if (HWND w = peers_.WindowOf(*control)) focus_.Add(w);
  }
  tips_.Add(form_);
}

void FormPeer::PropertyChanged(Property what) {
  switch (what) {
    case Property::Caption:
      SetWindowTextW(window_, Wide(form_.Caption()).c_str());
      // The client area is named by the caption too.
      NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
      break;
    case Property::Geometry:
      if (!writing_back_) ApplyPosition();
      break;
    case Property::Visible:
      ApplyVisible();
      break;
    case Property::WindowState:
      ApplyWindowState();
      break;
    case Property::Focus:
      ApplyFocus();
      break;
    default:
      break;
  }
}

void FormPeer::ApplyPosition() {
  // Left and Top place the outer frame; the client area keeps its fixed size.
  const ScreenUnits& u = ui_.units();
  const int x = u.Pixels(form_.Left());
  const int y = u.Pixels(form_.Top());
  RECT now{};
  GetWindowRect(window_, &now);
  if (IsIconic(window_) || now.left != x || now.top != y) {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void FormPeer::HoldOffScreen(bool hold) {
  held_ = hold;
  if (!held_) ApplyVisible();
}

void FormPeer::ApplyVisible() {
  if (held_ || (IsWindowVisible(window_) != FALSE) == form_.Visible()) return;
  if (!form_.Visible()) {
    // A modal dialog's owner is enabled again before the dialog goes, so
    // that Windows gives it the activation rather than another program's
    // window.
    HWND owner = GetWindow(window_, GW_OWNER);
    if (owner != nullptr && !IsWindowEnabled(owner)) EnableWindow(owner, TRUE);
    ShowWindow(window_, SW_HIDE);
    return;
  }
  // A form places itself when it is activated; that comes before the window
  // reaches the screen, so that it never shows in its old place.
  if (form_.Activate) form_.Activate();
  const bool activate = show_takes_focus_;
  int command = activate ? SW_SHOW : SW_SHOWNA;
  if (form_.WindowState() == WindowState::Minimized) {
    command = activate ? SW_SHOWMINIMIZED : SW_SHOWMINNOACTIVE;
  } else if (IsIconic(window_)) {
    // Sent to the tray while minimised: it comes back in its normal state.
    command = activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE;
  }
  ShowWindow(window_, command);
}

void FormPeer::ActivateIfShown() {
  if (!IsWindowVisible(window_)) return;
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  // Already active, the window had no WM_ACTIVATE to place the focus with.
  if (GetActiveWindow() == window_) focus_.Restore();
}

void FormPeer::ApplyWindowState() {
  // A hidden window takes its state when it is shown again.
  if (!IsWindowVisible(window_)) return;
  const bool minimized = form_.WindowState() == WindowState::Minimized;
  if ((IsIconic(window_) != FALSE) == minimized) return;
  ShowWindow(window_, minimized ? SW_MINIMIZE : SW_RESTORE);
}

void FormPeer::ApplyFocus() {
  const Control* control = form_.FocusRequest();
  if (control == nullptr) {
    if (IsWindowVisible(window_)) SetForegroundWindow(window_);
    return;
  }
  if (HWND w = peers_.WindowOf(*control)) focus_.Focus(w);
}

void FormPeer::FrameChanged() {
  // A minimised window's place is the window system's parking spot, not its own.
  if (IsIconic(window_)) return;
  RECT r{};
  GetWindowRect(window_, &r);
  const ScreenUnits& u = ui_.units();
  writing_back_ = true;
  form_.Move(
      {u.Twips(r.left), u.Twips(r.top), u.Twips(r.right - r.left), u.Twips(r.bottom - r.top)});
  writing_back_ = false;
}

void FormPeer::SizeChanged(WPARAM kind) {
  FrameChanged();
  if (!IsWindowVisible(window_)) return;
  const auto state = kind == SIZE_MINIMIZED ? WindowState::Minimized : WindowState::Normal;
  if (state == form_.WindowState()) return;
  form_.SetWindowState(state);
  if (form_.Resize) form_.Resize();
}

void FormPeer::Close() {
  // The program decides: the calendar unloads and the program ends; a form
  // without a say of its own is hidden, as a dialog is closed.
  if (form_.UserClose) {
    form_.UserClose();
  } else {
    form_.SetVisible(false);
  }
}

void FormPeer::Invalidate(const Rect& twips) {
  const RECT r = ui_.units().PixelRect(twips);
  InvalidateRect(window_, &r, FALSE);
}

void FormPeer::InvalidateAll() {
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT FormPeer::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (more_messages && more_messages(message, wparam, lparam)) return 0;
  if (message == WM_PAINT) {
    peers_.Paint(window_);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;  // the painting covers the whole client area
  if (message == WM_GETOBJECT && accessible_ != nullptr && accessible_->Answers(lparam)) {
    return accessible_->Answer(wparam);
  }
  if (message == WM_DESTROY) DisconnectReaders();
  if (const auto result = peers_.Notification(message, wparam, lparam)) return *result;
  if (const auto result = mouse_.Take(message, wparam, lparam)) return *result;
  if (focus_.Take(message, wparam)) return 0;
  if (const auto result = FrameMessage(message, wparam, lparam)) return *result;
  return DefWindowProcW(window_, message, wparam, lparam);
}

std::optional<LRESULT> FormPeer::FrameMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOVE:
      FrameChanged();
      return 0;
    case WM_SIZE:
      SizeChanged(wparam);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = DefWindowProcW(window_, message, wparam, lparam);
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
      if ((pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0 && !held_) {
        form_.SetVisible(IsWindowVisible(window_) != FALSE);
      }
      return result;
    }
    case WM_CLOSE:
      Close();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace ombrelk
