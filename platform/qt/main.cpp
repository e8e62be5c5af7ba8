// The calendar on the Linux desktop: the core's two windows as Qt widgets,
// its platform services on Qt, and its start-up as the calendar window's load.

#include <QApplication>
#include <filesystem>

#include "platform/qt/program_windows.h"
#include "platform/qt/qt_font.h"
#include "platform/qt/qt_platform.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("ombrelk"));
  // The program ends only through its own exit paths; hiding the last window
  // in the tray, or closing the about box, never ends it.
  QApplication::setQuitOnLastWindowClosed(false);
  ombrelk::RegisterFontSubstitutes();
  QApplication::setFont(ombrelk::DefaultControlFont());

  ombrelk::QtPlatform platform;
  ombrelk::Program program(platform.services(), std::filesystem::current_path() / "Ombrelk.ini");
  ombrelk::ProgramWindows windows(program, platform.registry);

  program.Start();
  // A second instance has shown its message and ended during start-up.
  if (platform.runtime.Ended()) return 0;
  return QApplication::exec();
}
