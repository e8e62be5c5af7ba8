#pragma once

#include "platform/backends/codepage/code_page_decoding.h"
#include "platform/backends/stdfs/std_file_system.h"
#include "platform/backends/stdfs/stderr_error_sink.h"
#include "platform/backends/win32/ui_resources.h"
#include "platform/backends/win32/win32_clock.h"
#include "platform/backends/win32/win32_desktop_shell.h"
#include "platform/backends/win32/win32_login_start.h"
#include "platform/backends/win32/win32_runtime.h"
#include "platform/backends/win32/win32_tray_area.h"
#include "platform/backends/win32/win32_window_system.h"
#include "platform/services/services.h"

namespace ombrelk {

// Every platform service of the Windows program, each a class of its own.
struct Win32Platform {
  explicit Win32Platform(HINSTANCE instance) : ui(instance) {}

  Services services() {
    return Services{clock, files, tray, windows, shell, runtime, text, login, errors};
  }

  UiResources ui;
  Win32Clock clock;
  StdFileSystem files;
  StderrErrorSink errors;
  Win32TrayArea tray{ui};
  Win32WindowSystem windows{ui};
  Win32DesktopShell shell;
  Win32Runtime runtime;
  CodePageDecoding text;
  Win32LoginStart login;
};

}  // namespace ombrelk
