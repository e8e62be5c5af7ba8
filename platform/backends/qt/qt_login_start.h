#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/services/login_start.h"

namespace ombrelk {

// The freedesktop autostart entry: ombrelk.desktop in the user's autostart
// folder (${XDG_CONFIG_HOME:-~/.config}/autostart), which the desktop runs at
// login. It starts the launcher, which puts the calendar in its settings
// folder, as the menu entry does.
class QtLoginStart : public LoginStart {
 public:
  // The launcher is looked for in program_dir first (empty: the running
  // program's folder), then on PATH.
  explicit QtLoginStart(std::filesystem::path program_dir = {})
      : program_dir_(std::move(program_dir)) {}

  bool IsOn() override;
  std::optional<std::string> SetOn(bool on) override;

  // Where the entry lives, by the environment as it is now.
  static std::filesystem::path EntryFile();
  // The launcher's absolute path, if there is one to run.
  std::optional<std::filesystem::path> FindLauncher() const;

 private:
  std::filesystem::path program_dir_;
};

// The entry's text, running launcher.
std::string AutostartEntryText(const std::filesystem::path& launcher);

}  // namespace ombrelk
