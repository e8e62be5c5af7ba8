#include "platform/backends/qt/form_peer.h"

#include <QWindow>

#include "platform/backends/qt/control_widget_factory.h"
#include "platform/backends/qt/units.h"
#include "platform/controls/form_order.h"

namespace ombrelk {

void ShowTopLevel(QWidget& window, bool take_focus) {
  // Qt reads the attribute when it makes the native window; for one made
  // already, the window's own property tells the window manager.
  const bool had = window.testAttribute(Qt::WA_ShowWithoutActivating);
  window.setAttribute(Qt::WA_ShowWithoutActivating, !take_focus);
  QWindow* native = window.windowHandle();
  if (native != nullptr) native->setProperty("_q_showWithoutActivating", !take_focus);
  window.show();
  window.setAttribute(Qt::WA_ShowWithoutActivating, had);
  if (native != nullptr) native->setProperty("_q_showWithoutActivating", had);
}

FormPeer::FormPeer(Form& form, QWidget& window) : form_(form), window_(window) {
  window_.setWindowTitle(QString::fromStdString(form.Caption()));
  window_.setFixedSize(Pixels(form.client_width), Pixels(form.client_height));
  ApplyPosition();
  form_.AttachPeer(this);
}

FormPeer::~FormPeer() {
  form_.AttachPeer(nullptr);
}

void FormPeer::RealiseControls() {
  for (Control* control : form_.controls) {
    if (QWidget* w = MakeControlWidget(*control, window_)) widgets_[control] = w;
  }
  for (const Control* control : StackingBottomUp(form_)) {
    if (QWidget* w = WidgetOf(*control)) w->raise();
  }
  QWidget* previous = nullptr;
  for (const Control* control : TabOrder(form_)) {
    QWidget* w = WidgetOf(*control);
    if (w == nullptr) continue;
    if (previous == nullptr) {
      w->setFocus();
    } else {
      QWidget::setTabOrder(previous, w);
    }
    previous = w;
  }
}

QWidget* FormPeer::WidgetOf(const Control& control) const {
  const auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

void FormPeer::PropertyChanged(Property what) {
  switch (what) {
    case Property::Caption:
      window_.setWindowTitle(QString::fromStdString(form_.Caption()));
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
  // Left and Top place the outer frame, as QWidget::move does for a window.
  // The client area keeps its fixed size.
  const QPoint p(Pixels(form_.Left()), Pixels(form_.Top()));
  if (window_.pos() != p) window_.move(p);
}

void FormPeer::HoldOffScreen(bool hold) {
  held_ = hold;
  if (!held_) ApplyVisible();
}

void FormPeer::ApplyVisible() {
  if (held_ || window_.isVisible() == form_.Visible()) return;
  if (form_.Visible()) {
    if (unloading_ && unloading_()) return;
    SyncWindowState();
    ShowTopLevel(window_,
                 show_takes_focus_ && !window_.testAttribute(Qt::WA_ShowWithoutActivating));
    // On X11 a window that went into the always-on-top band (or out of it)
    // while on screen is made anew by Qt when it is next shown, and the new
    // one is placed by its client area rather than its frame, a frame's width
    // off. Placing the frame again puts every shown window where the form says.
    if (QWindow* native = window_.windowHandle()) {
      native->setFramePosition(QPoint(Pixels(form_.Left()), Pixels(form_.Top())));
    }
  } else {
    window_.hide();
  }
}

void FormPeer::ApplyWindowState() {
  // A hidden window takes its state when it is shown again: on X11, leaving
  // the minimised state maps the window, and a hidden window must stay unmapped.
  if (window_.isVisible()) SyncWindowState();
}

void FormPeer::SyncWindowState() {
  const bool minimized = form_.WindowState() == WindowState::Minimized;
  if (window_.isMinimized() == minimized) return;
  Qt::WindowStates states = window_.windowState();
  states.setFlag(Qt::WindowMinimized, minimized);
  window_.setWindowState(states);
}

void FormPeer::ApplyFocus() {
  const Control* control = form_.FocusRequest();
  if (control == nullptr) {
    if (!window_.isVisible()) return;
    window_.raise();
    window_.activateWindow();
    return;
  }
  if (QWidget* w = WidgetOf(*control)) w->setFocus();
}

void FormPeer::FrameChanged() {
  Rect r = form_.Bounds();
  const QPoint p = window_.pos();
  r.left = Twips(p.x());
  r.top = Twips(p.y());
  // Without a frame (none drawn, or the window manager has not framed the
  // window yet) the outer size is not known and the form keeps its own.
  const QRect frame = window_.frameGeometry();
  if (frame.size() != window_.size()) {
    r.width = Twips(frame.width());
    r.height = Twips(frame.height());
  }
  writing_back_ = true;
  form_.Move(r);
  writing_back_ = false;
}

void FormPeer::VisibilityChanged() {
  form_.SetVisible(window_.isVisible());
}

bool FormPeer::StateChanged() {
  const auto state = window_.isMinimized() ? WindowState::Minimized : WindowState::Normal;
  if (state == form_.WindowState()) return false;
  form_.SetWindowState(state);
  return true;
}

}  // namespace ombrelk
