#pragma once

#include "platform/backends/win32/day_watch.h"
#include "platform/backends/win32/form_peer.h"
#include "platform/backends/win32/shutdown_requests.h"
#include "platform/backends/win32/start_focus_keeper.h"
#include "platform/backends/win32/tray_watch.h"
#include "platform/backends/win32/win32_platform.h"
#include "program/program.h"

namespace ombrelk {

// The program's two windows realised as Win32 windows: the calendar, and the
// version dialog that it owns. The calendar window also takes what Windows
// tells every top-level window: the taskbar's "TaskbarCreated" broadcast (a
// tray appeared, or came back with Explorer and needs the icon again), a set
// clock or a resume from sleep (the date may have changed), and the end of
// the session (the settings are saved as by the exit entry). Build it after
// the program and before its start-up, and let it go before the program.
class ProgramWindows {
 public:
  ProgramWindows(Program& program, Win32Platform& platform);
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  // Runs the program's start-up with the calendar window held off screen
  // until it is over; the window then comes on screen once, as the start-up
  // left it, and takes the focus as a program's first window does, keeping
  // it while the shell places the tray icon. An icon the taskbar could not
  // take yet is asked for again for a while.
  void RunStartUp(Program& program);

  // From the end of start-up: a timer for the next local midnight, set again
  // whenever the date may have changed.
  void WatchTheDay();

  FormPeer& main() { return main_; }
  FormPeer& version() { return version_; }

 private:
  bool MainWindowMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void TrayAppeared();
  void TrayNotified(std::int32_t message);
  bool SessionEnding();

  Program& program_;
  Win32Platform& platform_;
  FormPeer main_;
  FormPeer version_;
  TrayWatch tray_watch_;
  DayWatch day_watch_;
  ShutdownRequests shutdown_requests_;
  StartFocusKeeper start_focus_;
};

}  // namespace ombrelk
