#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "qt_run.h"

namespace ombrelk::testing {
namespace {

// Opens a menu with the real pop-up, runs act on it while it is open, then closes it.
void WithOpenMenu(QtRun& run, MenuItem& menu, const std::function<void(QMenu&)>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    acted = true;
    act(*open);
    open->hide();
  });
  run.runtime.QtRuntime::PopupMenu(menu);
  EXPECT_TRUE(acted);
}

std::vector<std::string> Texts(const QMenu& menu) {
  std::vector<std::string> texts;
  for (const QAction* a : menu.actions()) {
    texts.push_back(a->isSeparator() ? "-" : a->text().toStdString());
  }
  return texts;
}

TEST(SettingsMenu, EntriesMirrorTheModelAndChangeTheWindow) {
  QtRun run;  // no settings file: shown at start and always on top
  FrmMain& f = run.Start();
  ASSERT_TRUE(run.main().windowFlags() & Qt::WindowStaysOnTopHint);
  WithOpenMenu(run, f.mnuSet, [&](QMenu& menu) {
    EXPECT_EQ(Texts(menu), (std::vector<std::string>{"起動時にウィンドウを表示", "常に手前に表示",
                                                     "現行の祝日法で表示"}));
    EXPECT_TRUE(menu.actions()[0]->isChecked());
    EXPECT_TRUE(menu.actions()[1]->isChecked());
    menu.actions()[1]->trigger();
    EXPECT_FALSE(menu.actions()[1]->isChecked());
  });
  EXPECT_EQ(run.program->ModeTop, 0);
  EXPECT_FALSE(run.main().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(run.main().isVisible());
  EXPECT_TRUE(f.Visible());
  WithOpenMenu(run, f.mnuSet, [&](QMenu& menu) { menu.actions()[1]->trigger(); });
  EXPECT_TRUE(run.main().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(run.main().isVisible());
}

TEST(SettingsMenu, OnlyTheHandlerMovesACheckMark) {
  QtRun run;
  FrmMain& f = run.Start();
  QAction& show = run.runtime.ActionOf(f.mnuFormShow);
  show.trigger();  // the real handler clears the mark
  EXPECT_FALSE(show.isChecked());
  EXPECT_EQ(run.program->ModeShow, 0);
  f.mnuFormShow.Click = [] {};  // a handler that leaves the mark alone
  f.mnuFormShow.SetChecked(true);
  show.trigger();
  EXPECT_TRUE(show.isChecked());
  EXPECT_TRUE(f.mnuFormShow.Checked());
}

TEST(SettingsMenu, WithoutATrayItCarriesTheTrayEntries) {
  QtRun run;
  run.tray.available = false;
  FrmMain& f = run.Start();
  WithOpenMenu(run, f.mnuSet, [&](QMenu& menu) {
    EXPECT_EQ(Texts(menu), (std::vector<std::string>{"起動時にウィンドウを表示", "常に手前に表示",
                                                     "現行の祝日法で表示", "-", "Ombrelk 表示",
                                                     "Ombrelk 終了", "-", "バージョン情報"}));
  });
}

TEST(TrayIcon, ClicksReachTheCalendarAsTheShellReportedThem) {
  QtRun run;
  FrmMain& f = run.Start();
  QSystemTrayIcon* icon = run.tray.Icon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->toolTip(), "2026/12/07");
  EXPECT_FALSE(icon->icon().isNull());

  emit icon->activated(QSystemTrayIcon::Trigger);  // a single click does nothing
  EXPECT_TRUE(run.main().isVisible());
  EXPECT_TRUE(run.runtime.popups.empty());
  emit icon->activated(QSystemTrayIcon::Context);
  EXPECT_EQ(run.runtime.popups, std::vector<std::string>{"mnuTray"});
  emit icon->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_FALSE(run.main().isVisible());
  emit icon->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_TRUE(run.main().isVisible());

  f.mnuEnd_Click();
  EXPECT_EQ(run.tray.Icon(), nullptr);
  EXPECT_TRUE(run.runtime.ended);
}

TEST(TrayIcon, ATrayFoundAfterStartUpGetsTheIcon) {
  QtRun run;
  run.tray.available = false;
  FrmMain& f = run.Start();
  ASSERT_FALSE(run.program->has_tray);
  EXPECT_EQ(run.tray.Icon(), nullptr);
  EXPECT_TRUE(run.main().isVisible());

  run.tray.AddWhenTrayAppears(f.hWnd(), "2026/12/07");
  QSystemTrayIcon* icon = run.tray.Icon();
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->isVisible());  // docked by Qt once a tray is there
  EXPECT_EQ(icon->toolTip(), "2026/12/07");
  EXPECT_FALSE(icon->icon().isNull());
  emit icon->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_FALSE(run.main().isVisible());
  emit icon->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_TRUE(run.main().isVisible());
  emit icon->activated(QSystemTrayIcon::Context);
  EXPECT_EQ(run.runtime.popups, std::vector<std::string>{"mnuTray"});
}

TEST(TrayIcon, ALongTipIsCutAndTheIconAddedOnce) {
  QtRun run;
  run.tray.available = false;
  FrmMain& f = run.Start();
  run.tray.AddWhenTrayAppears(f.hWnd(), std::string(100, 'x'));
  ASSERT_NE(run.tray.Icon(), nullptr);
  EXPECT_EQ(run.tray.Icon()->toolTip(), QString(63, 'x'));
  QSystemTrayIcon* first = run.tray.Icon();
  run.tray.AddWhenTrayAppears(f.hWnd(), "again");
  EXPECT_EQ(run.tray.Icon(), first);
  EXPECT_EQ(first->toolTip(), QString(63, 'x'));
}

}  // namespace
}  // namespace ombrelk::testing
