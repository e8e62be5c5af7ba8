#pragma once

#include <cstdint>

#include "platform/qt/main_window.h"
#include "platform/qt/version_dialog.h"
#include "platform/qt/window_registry.h"
#include "shell/program.h"

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

  MainWindow& main() { return main_; }
  VersionDialog& version() { return version_; }

 private:
  WindowRegistry& registry_;
  MainWindow main_;
  VersionDialog version_;
};

}  // namespace ombrelk
