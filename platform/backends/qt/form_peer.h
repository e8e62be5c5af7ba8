#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "platform/controls/form.h"

namespace ombrelk {

// Shows a top-level window, giving it the focus or leaving the focus where it is.
void ShowTopLevel(QWidget& window, bool take_focus);

// Keeps a top-level window and its form in step. The form is the truth: its
// changes move, show, hide, restore and retitle the window. What the window
// system does to the window (the user drags or minimises it, the window
// manager frames it) is written back into the form, which notifies only real
// changes, so nothing echoes.
class FormPeer : public ControlPeer {
 public:
  FormPeer(Form& form, QWidget& window);
  ~FormPeer() override;
  FormPeer(const FormPeer&) = delete;
  FormPeer& operator=(const FormPeer&) = delete;

  // Builds a widget for every control, stacks them as the form lists them
  // (top first), orders the focus by tab position and focuses the first.
  void RealiseControls();
  QWidget* WidgetOf(const Control& control) const;

  void PropertyChanged(Property what) override;

  // While held, the window stays off screen whatever the form says; when let
  // go, it takes the form's visibility. A start-up may show and hide the
  // window several times as it reads the settings, and on X11 a window shown
  // and hidden at once can be left on screen, unframed, by a window manager
  // that had not managed it yet: so the window comes on screen once, as the
  // start-up leaves it.
  void HoldOffScreen(bool hold);

  // Whether showing the window gives it the focus. A program's first window
  // takes the focus as it comes up; later the calendar comes back from the
  // tray without taking it, unless the program asks for the foreground.
  void SetShowTakesFocus(bool takes) { show_takes_focus_ = takes; }

  // While unloading says so, the window is not brought on screen: the
  // unload makes the form visible only to record its state, and a window in
  // the tray must not flash up as the program ends.
  void KeepUnmappedWhile(std::function<bool()> unloading) { unloading_ = std::move(unloading); }

  // From the window's events.
  void FrameChanged();
  void VisibilityChanged();
  // True when the window's minimised state differs from the form's; the form
  // then holds the new state.
  bool StateChanged();

 private:
  void ApplyPosition();
  void ApplyVisible();
  void ApplyWindowState();
  void SyncWindowState();
  void ApplyFocus();

  Form& form_;
  QWidget& window_;
  std::map<const Control*, QWidget*> widgets_;
  bool writing_back_ = false;
  bool show_takes_focus_ = true;
  bool held_ = false;
  std::function<bool()> unloading_;
};

}  // namespace ombrelk
