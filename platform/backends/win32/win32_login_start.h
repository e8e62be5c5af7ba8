#pragma once

#include <optional>
#include <string>

#include "platform/services/login_start.h"

namespace ombrelk {

// A shortcut named Ombrelk.lnk in the user's Startup folder, which Windows
// opens at login. It runs this .exe in the folder the calendar was started in,
// where it keeps Ombrelk.ini, so that the login start finds the same settings.
class Win32LoginStart : public LoginStart {
 public:
  // Remembers the current folder: call at start-up, before anything moves it.
  Win32LoginStart();

  bool IsOn() override;
  std::optional<std::string> SetOn(bool on) override;

 private:
  std::wstring working_dir_;
};

}  // namespace ombrelk
