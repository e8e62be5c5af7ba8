#pragma once

#include <cstdint>

#include "platform/backends/qt/main_window.h"
#include "platform/backends/qt/version_dialog.h"
#include "platform/backends/qt/window_registry.h"
#include "program/program.h"

namespace ombrelk {

// The program's two windows realised as Qt widgets and known to the services
// by their handles. Build it after the program and before its start-up, and
// let it go before the program.
class ProgramWindows {
 public:
  static constexpr std::int32_t kMainHwnd = 1;
  static constexpr std::int32_t kVersionHwnd = 2;

  ProgramWindows(Program& program, WindowRegistry& registry);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  // Runs the program's start-up with the calendar window held off screen
  // until it is over; the window then comes on screen once, as the start-up
  // left it, and takes the focus as a program's first window does. After
  // that it comes back from the tray without taking the focus, unless the
  // program asks for the foreground (the double-click on the tray icon).
  void RunStartUp(Program& program);

  MainWindow& main() { return main_; }
  VersionDialog& version() { return version_; }

 private:
  WindowRegistry& registry_;
  MainWindow main_;
  VersionDialog version_;
};

}  // namespace ombrelk
