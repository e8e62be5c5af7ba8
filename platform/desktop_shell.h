#pragma once

#include <cstdint>
#include <string>

namespace ombrelk {

inline constexpr int kSwShowNormal = 1;
inline constexpr int kMbIconExclamation = 48;

// The desktop's shell: opening documents and addresses, and message boxes.
class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  // Opens file (an address) with its default action; the result is ignored by callers.
  virtual void ShellExecute(std::int32_t owner, const std::string& file, int show_command) = 0;
  // Shows a modal message and returns when the user closes it.
  virtual int MessageBox(const std::string& text, int style, const std::string& title) = 0;
};

}  // namespace ombrelk
