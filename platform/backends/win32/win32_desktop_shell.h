#pragma once

#include "platform/services/clock.h"
#include "platform/services/desktop_shell.h"

namespace ombrelk {

// Addresses open with the shell's default action; messages in a message box.
class Win32DesktopShell : public DesktopShell {
 public:
  void ShellExecute(std::int32_t owner, const std::string& file, int show_command) override;
  int MessageBox(const std::string& text, int style, const std::string& title) override;
};

// Today from the local date; the short date in the user's own format.
class Win32Clock : public Clock {
 public:
  std::chrono::year_month_day Today() const override;
  std::string ShortDateText() const override;
};

}  // namespace ombrelk
