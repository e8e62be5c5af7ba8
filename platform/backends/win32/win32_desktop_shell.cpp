#include "platform/backends/win32/win32_desktop_shell.h"

#include "platform/backends/win32/win32_api.h"

#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

void Win32DesktopShell::ShellExecute(std::int32_t owner, const std::string& file,
                                     int show_command) {
  // No verb: the default action of whatever the address is registered with.
  ShellExecuteW(HwndOf(owner), nullptr, Wide(file).c_str(), nullptr, nullptr, show_command);
}

int Win32DesktopShell::MessageBox(const std::string& text, int style, const std::string& title) {
  return MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(), static_cast<UINT>(style));
}

}  // namespace ombrelk
