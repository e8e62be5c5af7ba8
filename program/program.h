#pragma once

#include "about/dlg_version.h"
#include "platform/services/file_path.h"
#include "platform/services/services.h"
#include "state/calendar_state.h"
#include "view/frm_main.h"

namespace ombrelk {

// One run of the calendar: its state, its two windows and the platform it
// runs on, with each window event connected to the subsystem that handles
// it. Nothing of it lives outside this object, so each test builds a fresh one.
class Program {
 public:
  Program(const Services& services, FilePath settings_file);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Services sys;
  CalendarState state;
  FrmMain frmMain;
  DlgVersion dlgVersion;

  // Runs the calendar window's load handler: the whole start-up.
  void Start();

  // What the platform reports outside the windows' own events: a tray that
  // appeared or vanished, and a date that may have changed.
  void Tray_Appeared();
  void Tray_Vanished();
  void Clock_DayMayHaveChanged();
  // The session ends or the system asks the program to end.
  void EndSession();

  // Whether the calendar window has been unloaded (the program is ending).
  bool Unloaded() const { return state.unloaded; }

 private:
  void ConnectHandlers();
};

}  // namespace ombrelk
