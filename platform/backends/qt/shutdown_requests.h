#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

namespace ombrelk {

// The requests to end the calendar that come from outside it: the signals
// that ask a process to end (SIGTERM, SIGINT, SIGHUP), the end of the desktop
// session, and the application object quitting for any other reason. Each
// runs the same orderly exit, once, from the event loop: a signal handler only
// wakes the loop through a pipe, because nothing else it could do is safe
// while the interrupted code holds the program's state half changed.
//
// The handlers are the process's, so only one object may exist at a time.
// Build it once the start-up has succeeded: until then the signals keep their
// default action, which ends a program that has nothing to save yet.
class ShutdownRequests : public QObject {
 public:
  explicit ShutdownRequests(std::function<void()> orderly_exit);
  ~ShutdownRequests() override;
  ShutdownRequests(const ShutdownRequests&) = delete;
  ShutdownRequests& operator=(const ShutdownRequests&) = delete;

  // Runs the orderly exit unless it has run already.
  void Request();
  bool Requested() const { return requested_; }

 private:
  void DrainPipe();

  std::function<void()> orderly_exit_;
  bool requested_ = false;
  std::array<int, 2> pipe_{-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::array<struct sigaction, 3> previous_{};
};

}  // namespace ombrelk
