#include "platform/backends/qt/qt_window_system.h"

#include <unistd.h>

#include <QApplication>
#include <QWindow>

#include "platform/backends/qt/form_peer.h"
#include "platform/backends/qt/units.h"

namespace ombrelk {

namespace {

// Shows a window through its form, so that the form's state comes with it
// and its peer decides when the window really comes on screen, taking the
// focus only when asked to.
void ShowWindow(Form* form, QWidget& w, bool activate) {
  if (form == nullptr) {
    ShowTopLevel(w, activate);
    return;
  }
  const bool had = w.testAttribute(Qt::WA_ShowWithoutActivating);
  w.setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  form->SetVisible(true);
  w.setAttribute(Qt::WA_ShowWithoutActivating, had);
}

// Enters or leaves the always-on-top band. A window already on screen changes
// in place: QWidget would make a new native window for new flags, which the
// window manager would place and focus afresh, and which would tell the
// desktop's task list and pagers of a window gone and another come.
void SetStaysOnTop(QWidget& w, bool on_top) {
  const Qt::WindowFlags flags = w.windowFlags().setFlag(Qt::WindowStaysOnTopHint, on_top);
  if (flags == w.windowFlags()) return;
  if (QWindow* native = w.windowHandle();
      native != nullptr && w.testAttribute(Qt::WA_WState_Created)) {
    w.overrideWindowFlags(flags);
    native->setFlags(flags);
  } else {
    w.setWindowFlags(flags);  // no native window yet: it is made with the new flags
  }
}

}  // namespace

bool QtWindowSystem::SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x,
                                  std::int32_t y, std::int32_t /*cx*/, std::int32_t /*cy*/,
                                  std::uint32_t flags) {
  QWidget* w = windows_.WindowOf(hwnd);
  if (w == nullptr) return false;
  const bool activate = (flags & kSwpNoActivate) == 0;
  const bool show = (flags & kSwpShowWindow) != 0 || w->isVisible();
  if (insert_after == kHwndTopMost || insert_after == kHwndNoTopMost) {
    SetStaysOnTop(*w, insert_after == kHwndTopMost);
  }
  // The windows keep their fixed size; only the place is taken.
  if ((flags & kSwpNoMove) == 0) w->move(x, y);
  if (show && !w->isVisible()) ShowWindow(windows_.FormOf(hwnd), *w, activate);
  if (insert_after == kHwndTop || insert_after == kHwndTopMost) w->raise();
  if (activate && w->isVisible()) w->activateWindow();
  return true;
}

std::int32_t QtWindowSystem::GetForegroundWindow() {
  return windows_.HandleOf(QApplication::activeWindow());
}

std::uint32_t QtWindowSystem::GetWindowThreadProcessId(std::int32_t hwnd) {
  return windows_.WindowOf(hwnd) != nullptr ? GetCurrentThreadId() : 0;
}

std::uint32_t QtWindowSystem::GetCurrentThreadId() {
  return static_cast<std::uint32_t>(::gettid());
}

bool QtWindowSystem::AttachThreadInput(std::uint32_t /*attach*/, std::uint32_t /*attach_to*/,
                                       bool /*on*/) {
  return true;
}

bool QtWindowSystem::SetForegroundWindow(std::int32_t hwnd) {
  QWidget* w = windows_.WindowOf(hwnd);
  if (w == nullptr) return false;
  // A hidden window takes the foreground without coming on screen (the tray
  // menu asks for it while the calendar may be in the tray).
  if (!w->isVisible()) return true;
  w->raise();
  w->activateWindow();
  return true;
}

float QtWindowSystem::TwipsPerPixelX() {
  return kTwipsPerPixel;
}

}  // namespace ombrelk
