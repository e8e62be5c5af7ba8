#include "platform/backends/win32/tray_watch.h"

#include <utility>

#include "platform/backends/win32/win32_tray_area.h"

namespace ombrelk {

TrayWatch::TrayWatch(UINT taskbar_created, std::function<void()> appeared,
                     std::function<void(std::int32_t)> notified)
    : taskbar_created_(taskbar_created),
      appeared_(std::move(appeared)),
      notified_(std::move(notified)) {}

bool TrayWatch::Take(UINT message, LPARAM lparam) const {
  if (message == kTrayCallbackMessage) {
    notified_(static_cast<std::int32_t>(LOWORD(lparam)));
    return true;
  }
  if (message != taskbar_created_) return false;
  appeared_();
  return true;
}

}  // namespace ombrelk
