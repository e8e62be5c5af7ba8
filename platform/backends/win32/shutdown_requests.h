#pragma once

#include "platform/backends/win32/win32_api.h"

#include <functional>

namespace ombrelk {

// The request to end the calendar that comes from outside it: the end of the
// Windows session (WM_ENDSESSION), after which Windows ends the process as
// soon as the message has been handled. The calendar window hands its
// messages to Take.
class ShutdownRequests {
 public:
  // orderly_exit runs as the session ends and returns whether it ran (false
  // when the program had ended already).
  explicit ShutdownRequests(std::function<bool()> orderly_exit);

  // True when the message ended the session and the orderly exit ran.
  bool Take(UINT message, WPARAM wparam) const;

 private:
  std::function<bool()> orderly_exit_;
};

}  // namespace ombrelk
