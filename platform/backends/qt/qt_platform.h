#pragma once

#include "platform/backends/codepage/code_page_decoding.h"
#include "platform/backends/qt/qt_clock.h"
#include "platform/backends/qt/qt_desktop_shell.h"
#include "platform/backends/qt/qt_login_start.h"
#include "platform/backends/qt/qt_runtime.h"
#include "platform/backends/qt/qt_tray_area.h"
#include "platform/backends/qt/qt_window_system.h"
#include "platform/backends/qt/window_registry.h"
#include "platform/backends/stdfs/std_file_system.h"
#include "platform/backends/stdfs/stderr_error_sink.h"
#include "platform/services/services.h"

namespace ombrelk {

// Every platform service of the desktop program, each a class of its own so
// that a test can hand the program its own in place of any of them.
struct QtPlatform {
  explicit QtPlatform(QString lock_file = QtRuntime::DefaultLockFile())
      : runtime(registry, std::move(lock_file)) {}

  Services services() {
    return Services{clock, files, tray, windows, shell, runtime, text, login, errors};
  }

  WindowRegistry registry;
  QtClock clock;
  StdFileSystem files;
  StderrErrorSink errors;
  QtTrayArea tray{registry};
  QtWindowSystem windows{registry};
  QtDesktopShell shell;
  QtRuntime runtime;
  CodePageDecoding text;
  QtLoginStart login;
};

}  // namespace ombrelk
