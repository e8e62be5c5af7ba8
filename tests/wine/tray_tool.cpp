// Test helper, run under Wine next to the calendar: does to the calendar's
// tray icon what a shell that restarts does.
//   ombrelk_tray_tool remove      the icon leaves the tray, as when Explorer ends
//   ombrelk_tray_tool broadcast   "TaskbarCreated" goes to every top-level window,
//                                 as when Explorer has started again
//   ombrelk_tray_tool activate    the taskbar becomes the active window, as Wine's
//                                 shell makes it for a moment when it docks an icon
//   ombrelk_tray_tool hold        brings up the prefix's desktop, says "ready" and
//                                 waits until it is ended: the prefix's server and
//                                 its system programs stay up while tests come and go

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cstring>

namespace {

BOOL CALLBACK RemoveIcon(HWND window, LPARAM /*unused*/) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (lstrcmpW(name, L"OmbrelkForm") == 0) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "remove") == 0) {
    EnumWindows(RemoveIcon, 0);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "broadcast") == 0) {
    const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return SendNotifyMessageW(HWND_BROADCAST, message, 0, 0) ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "activate") == 0) {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    return taskbar != nullptr && SetForegroundWindow(taskbar) ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "hold") == 0) {
    GetDesktopWindow();  // starts the desktop's process, as a test with a window would
    std::puts("ready");
    std::fflush(stdout);
    Sleep(INFINITE);
  }
  return 2;
}
