#include "platform/backends/qt/program_windows.h"

namespace ombrelk {

ProgramWindows::ProgramWindows(Program& program, WindowRegistry& registry)
    : registry_(registry), main_(program.frmMain), version_(program.dlgVersion, main_) {
  registry_.Add(program.frmMain, main_, kMainHwnd);
  registry_.Add(program.dlgVersion, version_, kVersionHwnd);
  main_.peer().KeepUnmappedWhile([&program] { return program.Unloaded(); });
}

void ProgramWindows::RunStartUp(Program& program) {
  main_.peer().HoldOffScreen(true);
  program.Start();
  main_.peer().HoldOffScreen(false);
  main_.peer().SetShowTakesFocus(false);
}

ProgramWindows::~ProgramWindows() {
  registry_.Remove(kVersionHwnd);
  registry_.Remove(kMainHwnd);
}

}  // namespace ombrelk
