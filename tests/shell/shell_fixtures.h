#pragma once

// The platform calls the shell makes, as the headless platform records them.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "headless_run.h"
#include "platform/runtime_values/tray_notification.h"
#include "platform/runtime_values/twips.h"

namespace ombrelk::testing {

inline std::vector<std::string> CallsSince(const HeadlessRun& run, std::size_t first) {
  const auto& calls = run.platform.calls;
  return {calls.begin() + static_cast<std::ptrdiff_t>(std::min(first, calls.size())), calls.end()};
}

// The recorded calls whose text starts with prefix, oldest first.
inline std::vector<std::string> CallsTo(const HeadlessRun& run, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& c : run.platform.calls) {
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  }
  return out;
}

inline std::size_t CountOf(const std::vector<std::string>& calls, const std::string& prefix) {
  std::size_t n = 0;
  for (const auto& c : calls) n += c.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

// The z-order call for the main window at pixel position (x, y); its width is
// 2775 twips after start-up, its height whatever the window's frame gives.
inline std::string ZOrderCall(const FrmMain& frm, int insert_after, int x, int y,
                              double twips_per_pixel = 15) {
  const auto pixels = [&](double twips) {
    return std::to_string(std::lround(twips / twips_per_pixel));
  };
  return "SetWindowPos(0x1001, " + std::to_string(insert_after) + ", " + std::to_string(x) + ", " +
         std::to_string(y) + ", " + pixels(2775) + ", " + pixels(frm.Height()) + ", 0x50)";
}

// icon: the record's hIcon, 0 for the program's icon (PictureId::AppIcon).
inline std::string TrayCall(int message, const std::string& tip = "2000/05/07", int icon = 0) {
  return "Shell_NotifyIcon(" + std::to_string(message) +
         ", size=88, hwnd=0x1001, id=1, flags=7, msg=512, icon=" + std::to_string(icon) +
         ", tip=" + tip + ")";
}

// ForceForeground's six calls, with the headless platform's threads: the
// foreground window 0x2222 belongs to thread 77, the program runs on 11.
inline const std::vector<std::string> kForceForegroundCalls{
    "GetForegroundWindow()",       "GetWindowThreadProcessId(0x2222)",
    "GetCurrentThreadId()",        "AttachThreadInput(11, 77, true)",
    "SetForegroundWindow(0x1001)", "AttachThreadInput(11, 77, false)",
};

// The mouse-move event that carries a tray notification, as a backend delivers it.
inline void TrayNotify(FrmMain& frm, int message, float twips_per_pixel = kUsualTwipsPerPixel) {
  frm.MouseMove(0, 0, TrayNotificationX(message, twips_per_pixel), 0);
}

}  // namespace ombrelk::testing
