#include "platform/backends/qt/window_registry.h"

namespace ombrelk {

void WindowRegistry::Add(Form& form, QWidget& window, std::int32_t hwnd) {
  form.SetHwnd(hwnd);
  entries_[hwnd] = Entry{&form, &window};
}

void WindowRegistry::Remove(std::int32_t hwnd) {
  entries_.erase(hwnd);
}

Form* WindowRegistry::FormOf(std::int32_t hwnd) const {
  const auto it = entries_.find(hwnd);
  return it == entries_.end() ? nullptr : it->second.form;
}

QWidget* WindowRegistry::WindowOf(std::int32_t hwnd) const {
  const auto it = entries_.find(hwnd);
  return it == entries_.end() ? nullptr : it->second.window;
}

std::int32_t WindowRegistry::HandleOf(const QWidget* window) const {
  for (const auto& [hwnd, entry] : entries_) {
    if (entry.window == window) return hwnd;
  }
  return 0;
}

}  // namespace ombrelk
