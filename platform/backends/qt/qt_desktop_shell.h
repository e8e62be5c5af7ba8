#pragma once

#include "platform/services/desktop_shell.h"

namespace ombrelk {

// Addresses open in the desktop's default browser; messages in a Qt message box.
class QtDesktopShell : public DesktopShell {
 public:
  void ShellExecute(std::int32_t owner, const std::string& file, int show_command) override;
  int MessageBox(const std::string& text, int style, const std::string& title) override;
};

}  // namespace ombrelk
