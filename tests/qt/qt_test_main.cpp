// One QApplication for the Qt tests, with the program's fonts. Listing the
// tests needs no display, so it runs without one.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/backends/qt/accessibility.h"
#include "platform/backends/qt/qt_font.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ombrelk::RegisterFontSubstitutes();
  ombrelk::InstallAccessibleFactory();
  QApplication::setFont(ombrelk::DefaultControlFont());
  return RUN_ALL_TESTS();
}
