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
    EXPECT_EQ(Texts(menu),
              (std::vector<std::string>{"起動時にウィンドウを表示", "常に手前に表示",
                                        "現行の祝日法で表示", "和暦と六曜を表示",
                                        "トレイアイコンに日付を表示", "ログイン時に起動"}));
    EXPECT_TRUE(menu.actions()[0]->isChecked());
    EXPECT_TRUE(menu.actions()[1]->isChecked());
    menu.actions()[1]->trigger();
    EXPECT_FALSE(menu.actions()[1]->isChecked());
  });
  EXPECT_EQ(run.program->state.ModeTop, 0);
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
  EXPECT_EQ(run.program->state.ModeShow, 0);
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
    EXPECT_EQ(Texts(menu), (std::vector<std::string>{
                               "起動時にウィンドウを表示", "常に手前に表示", "現行の祝日法で表示",
                               "和暦と六曜を表示", "トレイアイコンに日付を表示", "ログイン時に起動",
                               "-", "Ombrelk 表示", "Ombrelk 終了", "-", "バージョン情報"}));
  });
}

// An XEmbed icon sees the double-click itself; a StatusNotifierItem host
// activates the item with one click and never reports a double-click.
TEST(TrayIcon, ClicksReachTheCalendarAsTheShellReportedThem) {
  const struct {
    TrayProtocol protocol;
    QSystemTrayIcon::ActivationReason toggle, nothing;
  } rows[] = {
      {TrayProtocol::XEmbed, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Trigger},
      {TrayProtocol::StatusNotifier, QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.protocol == TrayProtocol::XEmbed ? "XEmbed" : "StatusNotifierItem");
    QtRun run;
    run.tray.SetProtocol(r.protocol);
    FrmMain& f = run.Start();
    QSystemTrayIcon* icon = run.tray.Icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->toolTip(), "2026/12/07");
    EXPECT_FALSE(icon->icon().isNull());

    emit icon->activated(r.nothing);
    emit icon->activated(QSystemTrayIcon::MiddleClick);  // a secondary activation
    EXPECT_TRUE(run.main().isVisible());
    EXPECT_TRUE(run.runtime.popups.empty());
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(run.runtime.popups, std::vector<std::string>{"mnuTray"});
    emit icon->activated(r.toggle);
    EXPECT_FALSE(run.main().isVisible());
    emit icon->activated(r.toggle);
    EXPECT_TRUE(run.main().isVisible());

    f.mnuEnd.Click();
    EXPECT_EQ(run.tray.Icon(), nullptr);
    EXPECT_TRUE(run.runtime.ended);
  }
}

// A StatusNotifierItem host shows the menu the icon exports instead of
// asking for the pop-up; an XEmbed icon would pop that menu up itself, beside
// the core's, so it exports none.
TEST(TrayIcon, ExportsTheTrayMenuAsAStatusNotifierItem) {
  for (TrayProtocol protocol : {TrayProtocol::XEmbed, TrayProtocol::StatusNotifier}) {
    QtRun run;
    run.tray.SetProtocol(protocol);
    FrmMain& f = run.Make();
    run.tray.ExportMenu(f.mnuTray, run.runtime);
    run.program->Start();
    QMenu* menu = run.tray.Icon()->contextMenu();
    if (protocol == TrayProtocol::XEmbed) {
      EXPECT_EQ(menu, nullptr);
      continue;
    }
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Texts(*menu),
              (std::vector<std::string>{"Ombrelk 表示", "Ombrelk 終了", "-", "バージョン情報"}));
    f.mnuSep.SetVisible(false);
    f.mnuVersion.SetChecked(true);
    EXPECT_FALSE(menu->actions()[2]->isVisible());
    EXPECT_TRUE(menu->actions()[3]->isChecked());
    menu->actions()[1]->trigger();
    EXPECT_TRUE(run.runtime.ended);
  }
}

TEST(TrayIcon, FollowsATrayThatComesAndGoes) {
  QtRun run;
  run.tray.available = false;
  run.Start();
  EXPECT_EQ(run.tray.Icon(), nullptr);
  EXPECT_TRUE(run.main().isVisible());

  run.tray.available = true;
  run.program->Tray_Appeared();
  QSystemTrayIcon* icon = run.tray.Icon();
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->isVisible());
  EXPECT_EQ(icon->toolTip(), "2026/12/07");
  emit icon->activated(QSystemTrayIcon::DoubleClick);
  EXPECT_FALSE(run.main().isVisible());

  run.tray.available = false;
  run.program->Tray_Vanished();
  EXPECT_EQ(run.tray.Icon(), nullptr);
  EXPECT_TRUE(run.main().isVisible());
}

}  // namespace
}  // namespace ombrelk::testing
