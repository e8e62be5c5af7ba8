#pragma once

#include <QWidget>
#include <map>

#include "platform/form.h"

namespace ombrelk {

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
};

}  // namespace ombrelk
