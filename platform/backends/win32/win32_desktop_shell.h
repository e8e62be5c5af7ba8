#pragma once

#include "platform/services/desktop_shell.h"

namespace ombrelk {

// Addresses open with the shell's default action; messages in a message box.
class Win32DesktopShell : public DesktopShell {
 public:
  void ShellExecute(std::int32_t owner, const std::string& file, int show_command) override;
  int MessageBox(const std::string& text, int style, const std::string& title) override;
};

}  // namespace ombrelk
