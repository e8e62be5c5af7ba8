#pragma once

#include <QWidget>
#include <cstdint>
#include <map>

#include "platform/controls/form.h"

namespace ombrelk {

// The realised windows by handle, so that services given a window handle
// (tray records, z-order calls) find the form and its widget. Handle 0 is
// never given out: it stands for a window of another program.
class WindowRegistry {
 public:
  // Gives the form its handle and remembers its window.
  void Add(Form& form, QWidget& window, std::int32_t hwnd);
  void Remove(std::int32_t hwnd);

  Form* FormOf(std::int32_t hwnd) const;
  QWidget* WindowOf(std::int32_t hwnd) const;
  QWidget* WindowOf(const Form& form) const { return WindowOf(form.hWnd()); }
  // The handle of a window, 0 when it is none of ours.
  std::int32_t HandleOf(const QWidget* window) const;

 private:
  struct Entry {
    Form* form;
    QWidget* window;
  };
  std::map<std::int32_t, Entry> entries_;
};

}  // namespace ombrelk
