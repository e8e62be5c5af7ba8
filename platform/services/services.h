#pragma once

#include "platform/services/clock.h"
#include "platform/services/desktop_shell.h"
#include "platform/services/error_sink.h"
#include "platform/services/file_system.h"
#include "platform/services/login_start.h"
#include "platform/services/runtime.h"
#include "platform/services/text_decoding.h"
#include "platform/services/tray_area.h"
#include "platform/services/window_system.h"

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
  // Files others wrote in their own encodings (the Cabinet Office's list of days off).
  TextDecoding& text;
  LoginStart& login;
  // Where the program reports what it could not do (a settings file it could not write).
  ErrorSink& errors;
};

}  // namespace ombrelk
