#include "platform/qt/program_windows.h"

namespace ombrelk {

ProgramWindows::ProgramWindows(Program& program, WindowRegistry& registry)
    : registry_(registry), main_(program.frmMain), version_(program.dlgVersion, main_) {
  registry_.Add(program.frmMain, main_, kMainHwnd);
  registry_.Add(program.dlgVersion, version_, kVersionHwnd);
}

ProgramWindows::~ProgramWindows() {
  registry_.Remove(kVersionHwnd);
  registry_.Remove(kMainHwnd);
}

}  // namespace ombrelk
