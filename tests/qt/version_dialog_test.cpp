#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/backends/qt/units.h"
#include "qt_run.h"

namespace ombrelk::testing {
namespace {

// Opens the about box from the tray menu's entry, runs act while it is shown
// modally, and returns when the dialog has gone (act closes it; a stuck
// dialog is closed after a while so the test fails instead of hanging).
void WithVersionDialog(QtRun& run, const std::function<void(VersionDialog&)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    acted = true;
    act(run.dialog());
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] { run.dialog().hide(); });
  watchdog.start(10000);
  run.frm().mnuVersion.Click();
  EXPECT_TRUE(acted);
  EXPECT_TRUE(watchdog.isActive()) << "the dialog did not close";
}

QWidget* WidgetOf(QtRun& run, const Control& c) {
  return run.dialog().peer().WidgetOf(c);
}

TEST(VersionDialog, ShowsModallyCentredOverTheCalendarWithOkFocused) {
  QtRun run;
  FrmMain& f = run.Start();
  f.SetLeft(3000);
  f.SetTop(3000);
  DlgVersion& d = run.program->dlgVersion;
  WithVersionDialog(run, [&](VersionDialog& dialog) {
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_EQ(dialog.parentWidget(), &run.main());
    EXPECT_EQ(dialog.windowTitle(), "Ombrelk バージョン情報");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&dialog);
    EXPECT_EQ(reader->role(), QAccessible::Dialog);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(WidgetOf(run, d.lblTitle))
                  ->text(QAccessible::Name)
                  .toStdString(),
              d.lblTitle.Caption());  // a label is read by its caption
    EXPECT_EQ(dialog.size(), QSize(265, 55));
    // Placed where the form put it, its outer frame centred over the calendar's
    // (as far as the frame sizes were known before it first came on screen).
    EXPECT_EQ(dialog.pos(), QPoint(Pixels(d.Left()), Pixels(d.Top())));
    const QPoint offset = dialog.frameGeometry().center() - run.main().frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 2);
    EXPECT_LE(std::abs(offset.y()), 12);
    auto* ok = qobject_cast<QPushButton*>(WidgetOf(run, d.OKButton));
    EXPECT_EQ(dialog.focusWidget(), ok);
    EXPECT_FALSE(ok->isDefault());
    EXPECT_FALSE(ok->autoDefault());
    EXPECT_TRUE(dialog.windowIcon().isNull());
    QTest::keyClick(ok, Qt::Key_Escape);  // no cancel button
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
  });
  EXPECT_FALSE(run.dialog().isVisible());
  EXPECT_FALSE(d.Visible());
  EXPECT_TRUE(run.main().isVisible());
}

TEST(VersionDialog, OkRestoresAHiddenCalendar) {
  QtRun run;
  FrmMain& f = run.Start();
  f.SetVisible(false);
  WithVersionDialog(run, [&](VersionDialog&) {
    EXPECT_TRUE(run.main().isVisible());
    QTest::mouseClick(WidgetOf(run, run.program->dlgVersion.OKButton), Qt::LeftButton);
  });
  EXPECT_FALSE(run.main().isVisible());
  EXPECT_FALSE(f.Visible());
}

TEST(VersionDialog, ClosedByTheWindowSystemLeavesTheCalendarShown) {
  QtRun run;
  FrmMain& f = run.Start();
  f.SetVisible(false);
  WithVersionDialog(run, [&](VersionDialog& dialog) { dialog.close(); });
  EXPECT_FALSE(run.program->dlgVersion.Visible());
  EXPECT_TRUE(f.Visible());
  EXPECT_TRUE(run.main().isVisible());
}

TEST(VersionDialog, OnlyTheHomePageLabelOpensTheAddress) {
  QtRun run;
  run.Start();
  DlgVersion& d = run.program->dlgVersion;
  WithVersionDialog(run, [&](VersionDialog& dialog) {
    const auto calls = run.headless.calls.size();
    QTest::mouseClick(WidgetOf(run, d.lblSupport(0)), Qt::LeftButton);
    EXPECT_EQ(run.headless.calls.size(), calls);
    QWidget* link = WidgetOf(run, d.lblSupport(1));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(run.headless.calls.size(), calls + 1);
    EXPECT_EQ(run.headless.calls.back().rfind("ShellExecute(0x1, http", 0), 0u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(link->cursor().hotSpot(), QPoint(12, 1));
    EXPECT_TRUE(link->font().underline());
    dialog.close();
  });
}

}  // namespace
}  // namespace ombrelk::testing
