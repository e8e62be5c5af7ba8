#include "platform/backends/qt/display_session.h"

#include <cstdlib>

namespace ombrelk {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

DisplayEnvironment DisplayEnvironment::OfProcess() {
  return {Variable("QT_QPA_PLATFORM"), Variable("WAYLAND_DISPLAY"), Variable("XDG_SESSION_TYPE"),
          Variable("DISPLAY")};
}

std::optional<std::string> PlatformPluginFor(const DisplayEnvironment& env) {
  if (!env.qt_qpa_platform.empty()) return std::nullopt;
  if (env.display.empty()) return std::nullopt;  // no XWayland: Wayland it is
  const bool wayland = !env.wayland_display.empty() || env.xdg_session_type == "wayland";
  if (!wayland) return std::nullopt;
  return "xcb";
}

ApplicationArguments::ApplicationArguments(int argc, char** argv,
                                           const std::optional<std::string>& plugin) {
  bool chosen = false;  // the command line names a plugin itself
  for (int i = 0; i < argc; ++i) {
    strings_.emplace_back(argv[i]);
    if (strings_.back() == "-platform") chosen = true;
  }
  if (plugin && !chosen) {
    strings_.emplace_back("-platform");
    strings_.push_back(*plugin);
  }
  for (std::string& s : strings_) pointers_.push_back(s.data());
  argc_ = static_cast<int>(strings_.size());
  pointers_.push_back(nullptr);  // argv ends with a null pointer, as main's does
}

}  // namespace ombrelk
