#pragma once

#include <cstdint>
#include <string>

namespace ombrelk {

// ShellExecute's show command.
inline constexpr int kSwShowNormal = 1;

// MessageBox's style: the icon bits, and the answer of its OK button.
inline constexpr int kMbIconMask = 0xF0;
inline constexpr int kMbIconHand = 16;
inline constexpr int kMbIconQuestion = 32;
inline constexpr int kMbIconExclamation = 48;
inline constexpr int kMbIconAsterisk = 64;
inline constexpr int kIdOk = 1;

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
