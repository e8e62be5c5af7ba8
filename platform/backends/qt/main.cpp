// The calendar on the Linux desktop: the core's two windows as Qt widgets,
// its platform services on Qt, and its start-up as the calendar window's load.

#include <QApplication>
#include <filesystem>

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/day_watch.h"
#include "platform/backends/qt/display_session.h"
#include "platform/backends/qt/program_windows.h"
#include "platform/backends/qt/qt_font.h"
#include "platform/backends/qt/qt_platform.h"
#include "platform/backends/qt/shutdown_requests.h"
#include "platform/backends/qt/tray_watch.h"
#include "program/program.h"
#include "settings/settings_keys.h"

int main(int argc, char** argv) {
  ombrelk::ApplicationArguments args(
      argc, argv, ombrelk::PlatformPluginFor(ombrelk::DisplayEnvironment::OfProcess()));
  QApplication app(args.argc(), args.argv());
  QGuiApplication::setDesktopFileName(QStringLiteral("ombrelk"));
  // The program ends only through its own exit paths; hiding the last window
  // in the tray, or closing the about box, never ends it.
  QApplication::setQuitOnLastWindowClosed(false);
  ombrelk::RegisterFontSubstitutes();
  ombrelk::InstallAccessibleFactory();
  QApplication::setFont(ombrelk::DefaultControlFont());

  ombrelk::QtPlatform platform;
  ombrelk::Program program(
      platform.services(),
      ombrelk::FilePath(std::filesystem::current_path().string()) / ombrelk::kSettingsFileName);
  ombrelk::ProgramWindows windows(program, platform.registry);

  // Trays come and go (a panel started after the calendar, restarted or
  // crashed); the calendar's window follows them.
  ombrelk::TrayWatch tray_watch([&program, &platform] {
    if (platform.tray.IsTrayAvailable()) {
      program.Tray_Appeared();
    } else {
      program.Tray_Vanished();
    }
  });
  platform.tray.SetProtocol(tray_watch.Protocol());
  platform.tray.ExportMenu(program.frmMain.mnuTray, platform.runtime);

  windows.RunStartUp(program);
  // A second instance has shown its message and ended during start-up.
  if (platform.runtime.Ended()) return 0;
  ombrelk::DayWatch day_watch([&program] { program.Clock_DayMayHaveChanged(); });
  // From here on the calendar has settings to save: a request from outside to
  // end it saves them as the tray menu's exit entry does.
  ombrelk::ShutdownRequests shutdown([&program] { program.EndSession(); });
  return QApplication::exec();
}
