// The calendar as a Windows program: the core's two windows as Win32
// windows, its platform services on user32, shell32 and kernel32, and its
// start-up as the calendar window's load.

#include "platform/backends/win32/win32_api.h"

#include <filesystem>

#include "platform/backends/win32/program_windows.h"
#include "platform/backends/win32/win32_platform.h"
#include "platform/services/path_text.h"
#include "program/program.h"
#include "settings/settings_keys.h"

int main() {
  // The manifest declares the program aware of the system's DPI; this covers
  // a loader that does not read it.
  SetProcessDPIAware();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  ombrelk::Win32Platform platform(GetModuleHandleW(nullptr));
  ombrelk::Program program(
      platform.services(),
      std::filesystem::current_path() / ombrelk::PathFromUtf8(ombrelk::kSettingsFileName));
  ombrelk::ProgramWindows windows(program, platform);

  windows.RunStartUp(program);
  // A second instance has shown its message and ended during start-up.
  if (platform.runtime.Ended()) return 0;
  windows.WatchTheDay();
  return platform.runtime.Run();
}
