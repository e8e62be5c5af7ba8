#include "shell/program.h"

#include <utility>

namespace ombrelk {

Program::Program(Services services, std::filesystem::path settings_file_path)
    : sys(services),
      settings_file(std::move(settings_file_path)),
      frmMain(*this),
      dlgVersion(*this) {}

}  // namespace ombrelk
