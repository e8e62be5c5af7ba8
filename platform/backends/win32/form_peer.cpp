#include "platform/backends/win32/form_peer.h"

#include <utility>

#include "platform/backends/win32/control_widget_factory.h"
#include "platform/backends/win32/key_mapping.h"
#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_text.h"
#include "platform/controls/form_order.h"
#include "platform/controls/key_codes.h"

namespace ombrelk {

namespace {

constexpr const wchar_t* kPeerProperty = L"OmbrelkFormPeer";

}  // namespace

FormPeer::FormPeer(Form& form, UiResources& ui, HWND owner)
    : form_(form),
      ui_(ui),
      form_window_(form, ui, owner),
      window_(form_window_.hwnd()),
      focus_(window_),
      keys_(form, window_, focus_) {
  SetPropW(window_, kPeerProperty, this);
  form_window_.SetHandler(this);
  form_.SetHwnd(HandleOf(window_));
  FrameChanged();
  form_.AttachPeer(this);
}

FormPeer::~FormPeer() {
  form_.AttachPeer(nullptr);
  form_window_.SetHandler(nullptr);
  peers_.clear();
  if (tool_tips_ != nullptr) DestroyWindow(tool_tips_);
  RemovePropW(window_, kPeerProperty);
}

FormPeer* FormPeer::Of(HWND window) {
  return window == nullptr ? nullptr : static_cast<FormPeer*>(GetPropW(window, kPeerProperty));
}

void FormPeer::RealiseControls() {
  for (Control* control : form_.controls) {
    std::unique_ptr<ChildPeer> peer = MakeControlPeer(*control, *this);
    if (peer) peers_[control] = std::move(peer);
  }
  // Raising each window above the ones placed before leaves the form's first
  // control on top; the lightweight ones are painted in the same order.
  for (Control* control : StackingBottomUp(form_)) {
    if (HWND w = WindowOf(*control)) {
      SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  for (Control* control : TabOrder(form_)) {
    if (HWND w = WindowOf(*control)) focus_.Add(w);
  }
  AddToolTips();
}

ChildPeer* FormPeer::PeerOf(const Control& control) const {
  const auto it = peers_.find(&control);
  return it == peers_.end() ? nullptr : it->second.get();
}

HWND FormPeer::WindowOf(const Control& control) const {
  const ChildPeer* peer = PeerOf(control);
  return peer != nullptr ? peer->Window() : nullptr;
}

TOOLINFOW FormPeer::ToolOf(const Control& control) const {
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = window_;
  info.uFlags = TTF_SUBCLASS;
  if (HWND w = WindowOf(control)) {
    // A windowed control's tip follows its window.
    info.uFlags |= TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(w);
  } else {
    // A label's, its rectangle of the form's client area.
    info.uId = reinterpret_cast<UINT_PTR>(&control);
    info.rect = ui_.units().PixelRect(control.Bounds());
  }
  return info;
}

void FormPeer::AddToolTips() {
  for (Control* control : form_.controls) {
    // A label that follows the pointer may have a tip later, as it moves.
    const auto* label =
        control->Kind() == ControlKind::Label ? static_cast<const Label*>(control) : nullptr;
    const bool tip_may_come = label != nullptr && label->MouseMove;
    if (control->ToolTipText().empty() && !tip_may_come) continue;
    if (WindowOf(*control) == nullptr && label == nullptr) continue;
    if (tool_tips_ == nullptr) {
      tool_tips_ =
          CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, ui_.instance(), nullptr);
      SendMessageW(tool_tips_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_.FontOf(Font{})), FALSE);
    }
    std::wstring text = Wide(control->ToolTipText());
    TOOLINFOW info = ToolOf(*control);
    info.lpszText = text.data();
    SendMessageW(tool_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void FormPeer::ToolTipChanged(const Control& control) {
  if (tool_tips_ == nullptr) return;
  std::wstring text = Wide(control.ToolTipText());
  TOOLINFOW info = ToolOf(control);
  info.lpszText = text.data();
  SendMessageW(tool_tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  // A tip that changes under the pointer shows at once; an empty one goes.
  SendMessageW(tool_tips_, text.empty() ? TTM_POP : TTM_POPUP, 0, 0);
}

void FormPeer::PropertyChanged(Property what) {
  switch (what) {
    case Property::Caption:
      SetWindowTextW(window_, Wide(form_.Caption()).c_str());
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
  if (HWND w = WindowOf(*control)) focus_.Focus(w);
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

void FormPeer::Invalidate(const Rect& twips) {
  const RECT r = ui_.units().PixelRect(twips);
  InvalidateRect(window_, &r, FALSE);
}

void FormPeer::InvalidateAll() {
  InvalidateRect(window_, nullptr, FALSE);
}

ChildPeer* FormPeer::PeerOfWindow(HWND child) const {
  for (const auto& [control, peer] : peers_) {
    if (peer->Window() == child) return peer.get();
  }
  return nullptr;
}

Label* FormPeer::LabelAt(POINT pt) const {
  for (const Control* control : form_.controls) {  // from the top down
    ChildPeer* peer = PeerOf(*control);
    if (Label* label = peer != nullptr ? peer->LabelAt(pt) : nullptr) return label;
  }
  return nullptr;
}

void FormPeer::Paint() {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(window_, &ps);
  RECT client{};
  GetClientRect(window_, &client);
  // Drawn off screen first, so that overlapping labels never flicker.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(buffer, bitmap);
  FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
  for (const Control* control : StackingBottomUp(form_)) {
    if (ChildPeer* peer = PeerOf(*control)) peer->Paint(buffer);
  }
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window_, &ps);
}

void FormPeer::MousePress(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT pt = ClientPoint(lparam);
  Label* label = LabelAt(pt);
  if (label == nullptr) return;
  const std::int16_t button = ButtonMask(message);
  if (button == kLeftButton) {
    pressed_ = label;
    SetCapture(window_);
  }
  if (label->MouseDown) {
    const ScreenUnits& u = ui_.units();
    label->MouseDown(button, PressShiftMask(wparam), u.Twips(pt.x) - label->Left(),
                     u.Twips(pt.y) - label->Top());
  }
}

void FormPeer::MouseMove(WPARAM wparam, LPARAM lparam) {
  const POINT pt = ClientPoint(lparam);
  const ScreenUnits& u = ui_.units();
  const float x = u.Twips(pt.x);
  const float y = u.Twips(pt.y);
  // Over a label the move is the label's; elsewhere the form's. The shell
  // reports mouse activity on the tray icon this way too, its message in the
  // place of x, far beyond the client area's width.
  RECT client{};
  GetClientRect(window_, &client);
  Label* label = PtInRect(&client, pt) ? LabelAt(pt) : nullptr;
  if (label != nullptr && label->MouseMove) {
    label->MouseMove(ButtonsHeld(wparam), ShiftMask(), x - label->Left(), y - label->Top());
  } else if (label == nullptr && form_.MouseMove) {
    form_.MouseMove(ButtonsHeld(wparam), ShiftMask(), x, y);
  }
}

void FormPeer::MouseRelease(LPARAM lparam) {
  Label* pressed = std::exchange(pressed_, nullptr);
  if (GetCapture() == window_) ReleaseCapture();
  if (pressed != nullptr && LabelAt(ClientPoint(lparam)) == pressed && pressed->Click)
    pressed->Click();
}

bool FormPeer::SetLabelCursor() {
  POINT pt{};
  GetCursorPos(&pt);
  ScreenToClient(window_, &pt);
  const Label* label = LabelAt(pt);
  if (label == nullptr || !label->mouse_pointer) return false;
  SetCursor(ui_.Cursor(*label->mouse_pointer));
  return true;
}

LRESULT FormPeer::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (more_messages && more_messages(message, wparam, lparam)) return 0;
  if (focus_.Take(message, wparam)) return 0;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the painting covers the whole client area
    case WM_COMMAND:
      if (ChildPeer* peer = PeerOfWindow(reinterpret_cast<HWND>(lparam))) {
        peer->Command(HIWORD(wparam));
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      ChildPeer* peer = PeerOfWindow(item->hwndItem);
      if (peer != nullptr && peer->DrawItem(*item)) return TRUE;
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MousePress(message, wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      MouseRelease(lparam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(wparam, lparam);
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == window_ && LOWORD(lparam) == HTCLIENT &&
          SetLabelCursor()) {
        return TRUE;
      }
      break;
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
      // The program decides: the calendar unloads and the program ends; a
      // form without a say of its own is hidden, as a dialog is closed.
      if (form_.UserClose) {
        form_.UserClose();
      } else {
        form_.SetVisible(false);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace ombrelk
