// The calendar as a Windows program: the core's two windows as Win32
// windows, its platform services on user32, shell32 and kernel32, and its
// start-up as the calendar window's load.

#include "platform/backends/win32/win32_api.h"

#include <objbase.h>

#include <string>

#include "platform/backends/stdfs/wide_path.h"
#include "platform/backends/win32/program_windows.h"
#include "platform/backends/win32/win32_platform.h"
#include "program/program.h"
#include "settings/settings_keys.h"

namespace {

// The GUI thread is a single-threaded apartment for the run: screen readers
// reach the windows' accessible objects through COM, and the calls come in
// with the window messages.
class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool ok_;
};

// The folder the calendar was started in, which keeps its Ombrelk.ini; by the
// system's call, as std::filesystem::current_path would bring the C++
// runtime's file streams into the program.
ombrelk::FilePath StartFolder() {
  std::wstring buf(MAX_PATH, L'\0');
  DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
  if (n >= buf.size()) {
    buf.resize(n);
    n = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
  }
  buf.resize(n);
  return ombrelk::stdfs::PathFromWide(buf);
}

}  // namespace

int main() {
  // The manifest declares the program aware of the system's DPI; this covers
  // a loader that does not read it.
  SetProcessDPIAware();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // Made before the windows and ended after them.
  const ComApartment apartment;

  ombrelk::Win32Platform platform(GetModuleHandleW(nullptr));
  ombrelk::Program program(platform.services(), StartFolder() / ombrelk::kSettingsFileName);
  ombrelk::ProgramWindows windows(program, platform);

  windows.RunStartUp(program);
  // A second instance has shown its message and ended during start-up.
  if (platform.runtime.Ended()) return 0;
  windows.WatchTheDay();
  return platform.runtime.Run();
}
