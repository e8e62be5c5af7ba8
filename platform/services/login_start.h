#pragma once

#include <optional>
#include <string>

namespace ombrelk {

// The system's own list of programs it starts when the user logs in, as far
// as it holds the calendar: an autostart entry on a freedesktop desktop, a
// shortcut in the Startup folder on Windows. The entry itself is the only
// record, so the calendar's settings file keeps nothing of it.
class LoginStart {
 public:
  virtual ~LoginStart() = default;
  // Whether the calendar's entry is there.
  virtual bool IsOn() = 0;
  // Makes or removes the entry. When that fails, says where the entry lives
  // and why, on two lines, in words for the user.
  virtual std::optional<std::string> SetOn(bool on) = 0;
};

}  // namespace ombrelk
