#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/backends/qt/app_icon_engine.h"
#include "platform/backends/qt/key_mapping.h"
#include "platform/backends/qt/qt_desktop_shell.h"
#include "platform/backends/qt/qt_login_start.h"
#include "platform/backends/qt/qt_pictures.h"
#include "platform/runtime_values/twips.h"
#include "qt_run.h"
#include "view/pictures/app_icon_drawing.h"
#include "view/pictures/icon_files.h"

namespace ombrelk::testing {
namespace {

QString LockIn(const TempDir& dir) {
  return QString::fromStdString((dir.path() / "run" / "ombrelk.lock").string());
}

TEST(SingleInstance, ALiveInstanceHoldsTheLock) {
  TempDir dir;
  WindowRegistry registry;
  auto first = std::make_unique<QtRuntime>(registry, LockIn(dir));
  QtRuntime second(registry, LockIn(dir));
  EXPECT_FALSE(first->PrevInstance());
  EXPECT_FALSE(first->PrevInstance());  // asking again keeps the answer
  EXPECT_TRUE(second.PrevInstance());
  first.reset();  // the first instance ends
  QtRuntime third(registry, LockIn(dir));
  EXPECT_FALSE(third.PrevInstance());
}

TEST(SingleInstance, ALockLeftByACrashedInstanceIsTakenOver) {
  TempDir dir;
  const QString path = LockIn(dir);
  std::filesystem::create_directories(dir.path() / "run");
  const pid_t child = ::fork();
  if (child == 0) {
    QLockFile lock(path);
    ::_exit(lock.tryLock(0) ? 0 : 1);  // dies holding the lock: no unlock
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  ASSERT_TRUE(std::filesystem::exists(path.toStdString()));
  WindowRegistry registry;
  QtRuntime runtime(registry, path);
  EXPECT_FALSE(runtime.PrevInstance());
}

TEST(SingleInstance, AFolderThatCannotHoldALockDoesNotStopTheStart) {
  TempDir dir;
  WriteFileBytes(dir.path() / "file", "not a folder");
  WindowRegistry registry;
  QtRuntime runtime(registry, QString::fromStdString((dir.path() / "file" / "x.lock").string()));
  EXPECT_FALSE(runtime.PrevInstance());
  EXPECT_EQ(runtime.GetPlatformId(), std::nullopt);
}

TEST(WindowSystem, TopmostBandIsEnteredAndLeftInPlaceWithoutActivating) {
  QtRun run;
  FrmMain& f = run.Start();
  f.SetVisible(false);
  QtWindowSystem& ws = run.window_system;
  EXPECT_TRUE(
      ws.SetWindowPos(f.hWnd(), kHwndTopMost, 30, 40, 185, 174, kSwpShowWindow | kSwpNoActivate));
  EXPECT_TRUE(run.main().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(run.main().isVisible());
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(run.main().pos(), QPoint(30, 40));
  EXPECT_FALSE(run.main().testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_TRUE(
      ws.SetWindowPos(f.hWnd(), kHwndNoTopMost, 30, 40, 185, 174, kSwpShowWindow | kSwpNoActivate));
  EXPECT_FALSE(run.main().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(run.main().isVisible());
  EXPECT_EQ(f.Left(), 450);
  EXPECT_FALSE(ws.SetWindowPos(0, kHwndTop, 0, 0, 0, 0, kSwpShowWindow));  // not ours
}

// Counts the times a window went off screen.
class HideCounter : public QObject {
 public:
  explicit HideCounter(QWidget& w) { w.installEventFilter(this); }
  int hides = 0;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++hides;
    return false;
  }
};

TEST(WindowSystem, AWindowOnScreenChangesBandInPlace) {
  QtRun run;
  FrmMain& f = run.Start();
  ASSERT_TRUE(run.main().isVisible());
  QWindow* native = run.main().windowHandle();
  ASSERT_NE(native, nullptr);
  HideCounter counter(run.main());
  for (const std::int32_t band : {kHwndNoTopMost, kHwndTopMost, kHwndNoTopMost}) {
    const bool on_top = band == kHwndTopMost;
    run.window_system.SetWindowPos(f.hWnd(), band, TwipsToPixels(f.Left(), kUsualTwipsPerPixel),
                                   TwipsToPixels(f.Top(), kUsualTwipsPerPixel), 185, 174,
                                   kSwpShowWindow | kSwpNoActivate);
    EXPECT_EQ(run.main().windowHandle(), native);
    EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), on_top);
    EXPECT_EQ(run.main().windowFlags().testFlag(Qt::WindowStaysOnTopHint), on_top);
    EXPECT_TRUE(run.main().isVisible());
  }
  EXPECT_EQ(counter.hides, 0);
}

TEST(WindowSystem, ForegroundIsOneOfOursOrNone) {
  QtRun run;
  FrmMain& f = run.Start();
  QtWindowSystem& ws = run.window_system;
  EXPECT_TRUE(ws.SetForegroundWindow(f.hWnd()));
  ASSERT_TRUE(QTest::qWaitForWindowActive(&run.main()));
  EXPECT_EQ(ws.GetForegroundWindow(), f.hWnd());
  EXPECT_EQ(ws.GetWindowThreadProcessId(f.hWnd()), ws.GetCurrentThreadId());
  EXPECT_EQ(ws.GetWindowThreadProcessId(0), 0u);
  EXPECT_EQ(ws.TwipsPerPixelX(), 15.0F);
  f.SetVisible(false);
  EXPECT_TRUE(ws.SetForegroundWindow(f.hWnd()));  // a hidden window stays hidden
  EXPECT_FALSE(run.main().isVisible());
}

TEST(KeyMapping, QtKeysBecomeWindowsKeyCodes) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::int16_t code;
    std::int16_t shift;
  };
  const Case cases[] = {
      {Qt::Key_Left, Qt::ControlModifier, 37, 2},
      {Qt::Key_Up, Qt::NoModifier, 38, 0},
      {Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier, 39, 3},
      {Qt::Key_Down, Qt::AltModifier, 40, 4},
      {Qt::Key_Home, Qt::ControlModifier | Qt::KeypadModifier, 36, 2},
      {Qt::Key_B, Qt::ControlModifier, 66, 2},
      {Qt::Key_N, Qt::ControlModifier | Qt::AltModifier, 78, 6},
      {Qt::Key_7, Qt::NoModifier, 55, 0},
      {Qt::Key_7, Qt::KeypadModifier, 103, 0},
      {Qt::Key_F1, Qt::NoModifier, 112, 0},
      {Qt::Key_Return, Qt::NoModifier, 13, 0},
      {Qt::Key_Escape, Qt::MetaModifier, 27, 0},
      {Qt::Key_Eacute, Qt::NoModifier, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VirtualKeyCode(c.key, c.modifiers), c.code) << c.key;
    EXPECT_EQ(ShiftMask(c.modifiers), c.shift) << c.key;
  }
}

TEST(DesktopShell, MessageBoxesShowTheirTitleTextIconAndAnOkButton) {
  struct Case {
    int style;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {kMbIconExclamation, QMessageBox::Warning},
      {16, QMessageBox::Critical},
      {32, QMessageBox::Question},
      {64, QMessageBox::Information},
      {0, QMessageBox::NoIcon},
      {kMbIconExclamation | 1, QMessageBox::Warning},
  };
  QtDesktopShell shell;
  for (const Case& c : cases) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = true;
      EXPECT_EQ(box->windowTitle(), "Ombrelk");
      EXPECT_EQ(box->text(), "起動済みです。");
      EXPECT_EQ(box->icon(), c.icon) << c.style;
      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
      box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(shell.MessageBox("起動済みです。", c.style, "Ombrelk"), 1);
    EXPECT_TRUE(seen) << c.style;
  }
}

TEST(Runtime, EndProgramLeavesTheRunningLoop) {
  WindowRegistry registry;
  TempDir dir;
  QtRuntime runtime(registry, LockIn(dir));
  EXPECT_FALSE(runtime.Ended());
  QTimer::singleShot(0, [&] { runtime.EndProgram(); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(runtime.Ended());
}

// Qt's own XPM reader is the yardstick: the pictures, and the icon files
// written for the desktops, show exactly what it reads from the XPM text.
TEST(Pictures, ShowWhatQtReadsFromTheirXpm) {
  const auto argb = [](const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
  };
  for (int i = 0; i <= static_cast<int>(PictureId::HandCursor); ++i) {
    const auto id = static_cast<PictureId>(i);
    const QImage from_xpm = argb(QImage(PictureXpm(id).data()));
    ASSERT_FALSE(from_xpm.isNull()) << i;
    EXPECT_EQ(argb(PicturePixmap(id).toImage()), from_xpm) << i;
  }
  const ArgbImage icon = PictureImage(PictureId::AppIcon);
  const QImage expected = argb(QImage(PictureXpm(PictureId::AppIcon).data()));
  for (const auto& [format, bytes] : {std::pair{"PNG", PngFile(icon)}, {"ICO", IcoFile(icon)}}) {
    const QImage read = QImage::fromData(QByteArray::fromStdString(bytes), format);
    ASSERT_FALSE(read.isNull()) << format;
    EXPECT_EQ(argb(read), expected) << format;
  }
}

// The day's page is drawn for whatever size it is painted or asked at, as
// an XEmbed tray paints it into its icon window: never a scaled pixmap.
TEST(Pictures, TheDayIconIsDrawnAtEachSizeAskedFor) {
  const QIcon icon = DrawnAppIcon(7);
  for (const int side : {16, 26, 32, 40}) {
    const QImage drawn = ArgbQImage(DrawAppIcon(side, 7));
    QImage painted(side, side, QImage::Format_ARGB32);
    painted.fill(Qt::transparent);
    {
      QPainter painter(&painted);
      icon.paint(&painter, painted.rect());
    }
    EXPECT_EQ(painted, drawn) << side;
    EXPECT_EQ(icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32), drawn)
        << side;
  }
}

// An environment variable set for one test and put back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, QByteArray::fromStdString(value));
  }
  ~ScopedEnv() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// The Linux login entry in a temporary XDG_CONFIG_HOME: it runs the launcher
// beside the program, else the one on PATH, the desktop's own validator takes
// it, and turning it off removes it. Without a launcher or a folder to write
// in, nothing is written and the user hears where and why.
TEST(LoginStart, WritesAValidAutostartEntryAndRemovesIt) {
  TempDir dir;
  const std::filesystem::path beside = dir.path() / "my bin";  // Exec needs quotes
  const std::filesystem::path on_path = dir.path() / "path";
  for (const auto& folder : {beside, on_path}) {
    std::filesystem::create_directories(folder);
    WriteFileBytes(folder / "ombrelk-launch", "#!/bin/sh\n");
    std::filesystem::permissions(folder / "ombrelk-launch", std::filesystem::perms::owner_all);
  }
  const struct {
    const char* name;
    std::filesystem::path program_dir;
    std::string config;
    std::string exec;  // empty: the entry cannot be written
  } rows[] = {
      {"beside the program", beside, "config",
       "Exec=\"" + (beside / "ombrelk-launch").string() + "\""},
      {"on PATH", dir.path() / "none", "config", "Exec=" + (on_path / "ombrelk-launch").string()},
      {"no folder for it", beside, "file", ""},
  };
  const ScopedEnv path("PATH", on_path.string() + ":/usr/bin:/bin");
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const std::filesystem::path config = dir.path() / r.config;
    const ScopedEnv xdg("XDG_CONFIG_HOME", config.string());
    // "file": the autostart folder's place is taken by a file.
    if (r.config == "file") WriteFileBytes(config, "");
    QtLoginStart login(r.program_dir);
    const std::filesystem::path entry = QtLoginStart::EntryFile();
    const std::optional<std::string> failure = login.SetOn(true);
    EXPECT_EQ(login.IsOn(), !r.exec.empty());
    if (r.exec.empty()) {
      ASSERT_TRUE(failure);
      EXPECT_EQ(failure->rfind(entry.string() + "\n", 0), 0U) << *failure;
      continue;
    }
    ASSERT_FALSE(failure) << *failure;
    EXPECT_EQ(entry, config / "autostart" / "ombrelk.desktop");
    const std::string text = ReadFileBytes(entry);
    EXPECT_NE(text.find("\n" + r.exec + "\n"), std::string::npos) << text;
    QProcess validate;
    validate.start("desktop-file-validate", {QString::fromStdString(entry.string())});
    ASSERT_TRUE(validate.waitForFinished())
        << "desktop-file-validate is not installed (scripts/install-deps.sh test)";
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
    EXPECT_EQ(validate.readAll().toStdString(), "");
    EXPECT_FALSE(login.SetOn(false));
    EXPECT_FALSE(login.IsOn());
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(login.SetOn(false));  // removing what is not there is no failure
  }
}

}  // namespace
}  // namespace ombrelk::testing
