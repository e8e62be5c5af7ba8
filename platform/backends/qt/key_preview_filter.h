#pragma once

#include <QObject>
#include <QWidget>

#include "platform/controls/form.h"

namespace ombrelk {

// Key preview: the form sees every key press in its window before the control
// that has the focus, and swallows it by setting the key code to 0. Installed
// on the window and on each focusable control; the window's own copy of an
// event that a control passed on is not previewed twice.
class KeyPreviewFilter : public QObject {
 public:
  KeyPreviewFilter(Form& form, QWidget& window);

  void Watch(QWidget& widget) { widget.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form& form_;
  QWidget& window_;
};

}  // namespace ombrelk
