#include "platform/backends/qt/shutdown_requests.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <string>

#include "qt_run.h"

namespace ombrelk::testing {
namespace {

int LineCount(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n' ? 1 : 0;
  return n;
}

// Each signal that asks a process to end takes the calendar's orderly exit,
// from the event loop, once, whatever follows it.
TEST(ShutdownRequests, EachEndSignalSavesTheSettingsOnce) {
  for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    QtRun run;
    FrmMain& f = run.Start();
    f.SetVisible(false);  // in the tray
    int exits = 0;
    {
      ShutdownRequests requests([&] {
        ++exits;
        f.mnuEnd.Click();
      });
      ASSERT_EQ(::raise(signal_number), 0);
      EXPECT_EQ(exits, 0) << "ran inside the signal handler";
      EXPECT_TRUE(QTest::qWaitFor([&] { return requests.Requested(); }, 5000)) << signal_number;
      ::raise(SIGTERM);
      ::raise(SIGHUP);
      QTest::qWait(50);
      QCoreApplication::processEvents();
    }
    EXPECT_EQ(exits, 1) << signal_number;
    EXPECT_TRUE(run.runtime.ended);
    const std::string saved = ReadFileBytes(run.dir.path() / "Ombrelk.ini");
    EXPECT_EQ(LineCount(saved), 7) << saved;
    EXPECT_NE(saved.find("MODE_MIN :1\r\n"), std::string::npos) << saved;
  }
}

// A signal that the calendar was started ignoring (SIGHUP under nohup, SIGINT
// in the background) stays ignored; the others get back what they had.
TEST(ShutdownRequests, SignalsKeepOrGetBackTheirFormerActions) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction own_hangup {};
  ::sigaction(SIGHUP, &ignore, &own_hangup);
  const auto handler = [](int signal_number) {
    struct sigaction now {};
    ::sigaction(signal_number, nullptr, &now);
    return now.sa_handler;
  };
  const auto term_before = handler(SIGTERM);
  const auto int_before = handler(SIGINT);
  {
    ShutdownRequests requests([] {});
    EXPECT_NE(handler(SIGTERM), term_before);
    EXPECT_NE(handler(SIGINT), int_before);
    EXPECT_EQ(handler(SIGHUP), SIG_IGN);
  }
  EXPECT_EQ(handler(SIGTERM), term_before);
  EXPECT_EQ(handler(SIGINT), int_before);
  EXPECT_EQ(handler(SIGHUP), SIG_IGN);
  ::sigaction(SIGHUP, &own_hangup, nullptr);
}

TEST(ShutdownRequests, TheApplicationQuittingTakesTheOrderlyExit) {
  QtRun run;
  FrmMain& f = run.Start();
  int exits = 0;
  ShutdownRequests requests([&] {
    ++exits;
    f.mnuEnd.Click();
  });
  QTimer::singleShot(0, [] { QCoreApplication::quit(); });
  QApplication::exec();
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(run.program->Unloaded());
  EXPECT_NE(ReadFileBytes(run.dir.path() / "Ombrelk.ini").find("MODE_MIN :0\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace ombrelk::testing
