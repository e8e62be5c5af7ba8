#include "platform/backends/qt/key_preview_filter.h"

#include <QKeyEvent>

#include "platform/backends/qt/key_mapping.h"

namespace ombrelk {

KeyPreviewFilter::KeyPreviewFilter(Form& form, QWidget& window)
    : QObject(&window), form_(form), window_(window) {
  window_.installEventFilter(this);
}

bool KeyPreviewFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !form_.KeyDown) return false;
  if (watched == &window_) {
    // A key that a focused control received reaches the window only when the
    // control passed it on; it was previewed on its way in.
    const QWidget* focus = window_.focusWidget();
    if (focus != nullptr && focus != &window_) return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  std::int16_t code = VirtualKeyCode(key->key(), key->modifiers());
  if (code == 0) return false;
  form_.KeyDown(code, ShiftMask(key->modifiers()));
  return code == 0;
}

}  // namespace ombrelk
