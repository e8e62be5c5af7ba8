#pragma once

#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headless_run.h"
#include "platform/backends/qt/program_windows.h"
#include "platform/backends/qt/qt_runtime.h"
#include "platform/backends/qt/qt_tray_area.h"
#include "platform/backends/qt/qt_window_system.h"
#include "platform/backends/stdfs/std_file_system.h"

namespace ombrelk::testing {

// The real runtime, except that pop-up menus are only recorded (a test may
// act while one is "open") and ending the program only marks it.
class RecordingRuntime : public QtRuntime {
 public:
  using QtRuntime::QtRuntime;
  void PopupMenu(MenuItem& menu) override {
    popups.push_back(menu.Name());
    if (on_popup) on_popup(menu);
  }
  void EndProgram() override { ended = true; }

  std::vector<std::string> popups;
  std::function<void(MenuItem&)> on_popup;
  bool ended = false;
};

// The Qt tray, claiming a notification area when a test wants one.
class TestTray : public QtTrayArea {
 public:
  using QtTrayArea::QtTrayArea;
  bool IsTrayAvailable() override { return available; }
  bool available = true;
};

// The calendar on Qt widgets: today and the desktop shell from the headless
// platform (fixed and recorded), settings in a folder of the test's own, and
// the Qt tray, window system and runtime.
struct QtRun {
  explicit QtRun(std::chrono::year_month_day today = std::chrono::year{2026} /
                                                     std::chrono::month{12} / std::chrono::day{7}) {
    headless.today = today;
  }
  ~QtRun() {
    windows.reset();  // the widgets go before the controls they mirror
    program.reset();
  }

  // Builds the program and its windows; the calendar window to act on.
  FrmMain& Make() {
    program = std::make_unique<Program>(Services{headless, files, tray, window_system, headless,
                                                 runtime, headless.text, headless, headless.errors},
                                        testing::AsFilePath(dir.path() / "Ombrelk.ini"));
    windows = std::make_unique<ProgramWindows>(*program, registry);
    return program->frmMain;
  }
  // Builds them and runs the start-up.
  FrmMain& Start() {
    Make();
    program->Start();
    return program->frmMain;
  }

  MainWindow& main() { return windows->main(); }
  VersionDialog& dialog() { return windows->version(); }
  QWidget* WidgetOf(const Control& c) { return main().peer().WidgetOf(c); }
  FrmMain& frm() { return program->frmMain; }

  TempDir dir;
  HeadlessPlatform headless;
  StdFileSystem files;
  WindowRegistry registry;
  TestTray tray{registry};
  QtWindowSystem window_system{registry};
  RecordingRuntime runtime{registry, QString::fromStdString((dir.path() / "lock").string())};
  std::unique_ptr<Program> program;
  std::unique_ptr<ProgramWindows> windows;
};

}  // namespace ombrelk::testing
