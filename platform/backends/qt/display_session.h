#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrelk {

// The parts of the environment that decide which display the calendar uses.
// A variable that is not set is empty.
struct DisplayEnvironment {
  std::string qt_qpa_platform;   // QT_QPA_PLATFORM: the user's own choice
  std::string wayland_display;   // WAYLAND_DISPLAY
  std::string xdg_session_type;  // XDG_SESSION_TYPE
  std::string display;           // DISPLAY: an X server, XWayland on a Wayland desktop

  static DisplayEnvironment OfProcess();
};

// The Qt platform plugin the calendar asks for, or nothing to leave Qt its
// own choice. On a Wayland desktop the calendar runs through XWayland where
// there is one: Wayland lets no program place its own window, keep it above
// the others or bring it to the front, and the calendar does all three.
std::optional<std::string> PlatformPluginFor(const DisplayEnvironment& env);

// The command line the application object is built with: the program's own,
// and the platform plugin asked for as an argument rather than through the
// environment, so that programs started from the calendar (the browser) make
// their own choice.
class ApplicationArguments {
 public:
  ApplicationArguments(int argc, char** argv, const std::optional<std::string>& plugin);
  ApplicationArguments(const ApplicationArguments&) = delete;
  ApplicationArguments& operator=(const ApplicationArguments&) = delete;

  // The application object keeps both; this object must outlive it.
  int& argc() { return argc_; }
  char** argv() { return pointers_.data(); }

 private:
  std::vector<std::string> strings_;
  std::vector<char*> pointers_;
  int argc_ = 0;
};

}  // namespace ombrelk
