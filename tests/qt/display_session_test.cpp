#include "platform/backends/qt/display_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrelk::testing {
namespace {

TEST(DisplaySession, XWaylandIsChosenOnlyOnAWaylandDesktopThatHasIt) {
  struct Case {
    const char* what;
    DisplayEnvironment env;
    std::optional<std::string> plugin;
  };
  const Case cases[] = {
      {"X11 desktop", {"", "", "x11", ":0"}, std::nullopt},
      {"no session type, X only", {"", "", "", ":0"}, std::nullopt},
      {"Wayland with XWayland", {"", "wayland-0", "wayland", ":0"}, "xcb"},
      {"Wayland socket alone", {"", "wayland-0", "", ":1"}, "xcb"},
      {"Wayland session type alone", {"", "", "wayland", ":0"}, "xcb"},
      {"Wayland without XWayland", {"", "wayland-0", "wayland", ""}, std::nullopt},
      {"user chose Wayland", {"wayland", "wayland-0", "wayland", ":0"}, std::nullopt},
      {"user chose xcb", {"xcb", "wayland-0", "wayland", ":0"}, std::nullopt},
      {"user chose offscreen", {"offscreen", "", "", ""}, std::nullopt},
      {"tty session", {"", "", "tty", ""}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlatformPluginFor(c.env), c.plugin) << c.what;
  }
}

std::vector<std::string> Strings(ApplicationArguments& args) {
  std::vector<std::string> out;
  for (int i = 0; i < args.argc(); ++i) out.emplace_back(args.argv()[i]);
  return out;
}

TEST(DisplaySession, ThePluginIsAskedForOnTheCommandLine) {
  char name[] = "ombrelk";
  char display_flag[] = "-display";
  char display[] = ":3";
  char* argv[] = {name, display_flag, display, nullptr};

  ApplicationArguments chosen(3, argv, std::string("xcb"));
  EXPECT_EQ(Strings(chosen),
            (std::vector<std::string>{"ombrelk", "-display", ":3", "-platform", "xcb"}));
  EXPECT_EQ(chosen.argv()[chosen.argc()], nullptr);

  ApplicationArguments unchanged(3, argv, std::nullopt);
  EXPECT_EQ(Strings(unchanged), (std::vector<std::string>{"ombrelk", "-display", ":3"}));
  EXPECT_EQ(unchanged.argv()[3], nullptr);
}

TEST(DisplaySession, APluginNamedOnTheCommandLineStands) {
  char name[] = "ombrelk";
  char flag[] = "-platform";
  char plugin[] = "wayland";
  char* argv[] = {name, flag, plugin, nullptr};
  ApplicationArguments args(3, argv, std::string("xcb"));
  EXPECT_EQ(Strings(args), (std::vector<std::string>{"ombrelk", "-platform", "wayland"}));
}

}  // namespace
}  // namespace ombrelk::testing
