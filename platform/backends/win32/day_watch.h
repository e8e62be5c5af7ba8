#pragma once

#include "platform/backends/win32/win32_api.h"

#include <functional>

namespace ombrelk {

// Tells when the local date may have changed: a timer for one second past the
// next local midnight, a set clock or time zone (WM_TIMECHANGE) and a resume
// from sleep (WM_POWERBROADCAST). Each sets the timer again and runs changed.
// The timer and the broadcasts come to the window the timer belongs to, which
// hands its messages to Take.
class DayWatch {
 public:
  DayWatch(HWND window, std::function<void()> changed);

  // Sets the timer for the next midnight.
  void Start() const;

  // True when the message was the watch's and needs nothing more; a resume
  // from sleep goes on to the default handling, as Windows wants TRUE for it.
  bool Take(UINT message, WPARAM wparam) const;

 private:
  HWND window_;
  std::function<void()> changed_;
};

}  // namespace ombrelk
