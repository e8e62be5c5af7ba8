#pragma once

#include <ostream>

#include "platform/clock.h"
#include "platform/desktop_shell.h"
#include "platform/file_system.h"
#include "platform/runtime.h"
#include "platform/tray_area.h"
#include "platform/window_system.h"

namespace ombrelk {

// Everything the core asks of the platform, handed in from outside so that
// each test builds its own.
struct Services {
  Clock& clock;
  FileSystem& files;
  TrayArea& tray;
  WindowSystem& windows;
  DesktopShell& shell;
  Runtime& runtime;
  // Where the program reports what it could not do (a settings file it could not write).
  std::ostream& errors;
};

}  // namespace ombrelk
