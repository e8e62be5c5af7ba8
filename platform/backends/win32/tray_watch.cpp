#include "platform/backends/win32/tray_watch.h"

#include <utility>

namespace ombrelk {

TrayWatch::TrayWatch(UINT taskbar_created, std::function<void()> appeared)
    : taskbar_created_(taskbar_created), appeared_(std::move(appeared)) {}

bool TrayWatch::Take(UINT message) const {
  if (message != taskbar_created_) return false;
  appeared_();
  return true;
}

}  // namespace ombrelk
