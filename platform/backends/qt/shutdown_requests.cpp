#include "platform/backends/qt/shutdown_requests.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <array>
#include <atomic>
#include <cassert>
#include <cerrno>

namespace ombrelk {

namespace {

constexpr std::array<int, 3> kEndSignals{SIGTERM, SIGINT, SIGHUP};

// The one thing a signal handler can reach: where to write its wake-up byte.
std::atomic<int> wake_fd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void WakeEventLoop(int signal_number) {
  const int saved_errno = errno;
  const int fd = wake_fd.load(std::memory_order_relaxed);
  if (fd >= 0) {
    const char byte = static_cast<char>(signal_number);
    // A full pipe already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
  }
  errno = saved_errno;
}

}  // namespace

ShutdownRequests::ShutdownRequests(std::function<void()> orderly_exit)
    : orderly_exit_(std::move(orderly_exit)) {
  if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) == 0) {
    [[maybe_unused]] const int previous_fd = wake_fd.exchange(pipe_[1]);
    assert(previous_fd < 0 && "one ShutdownRequests at a time");
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
      DrainPipe();
      Request();
    });
    struct sigaction action {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // the event loop's own calls go on undisturbed
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
      ::sigaction(kEndSignals[i], nullptr, &previous_[i]);
      // A signal ignored from the start (SIGHUP under nohup, SIGINT for a
      // program started in the background) is meant to be ignored.
      if (previous_[i].sa_handler == SIG_IGN) continue;
      ::sigaction(kEndSignals[i], &action, nullptr);
    }
  }
  // The application object quits when the session really ends (or when
  // anything else ends its event loop). A session manager's request for the
  // data (a checkpoint, or a logout the user may still cancel) is no end.
  if (auto* app = QCoreApplication::instance()) {
    connect(app, &QCoreApplication::aboutToQuit, this, &ShutdownRequests::Request);
  }
}

ShutdownRequests::~ShutdownRequests() {
  if (pipe_[1] < 0) return;
  for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
    ::sigaction(kEndSignals[i], &previous_[i], nullptr);
  }
  wake_fd.store(-1);
  notifier_.reset();
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void ShutdownRequests::DrainPipe() {
  std::array<char, 64> bytes{};
  while (::read(pipe_[0], bytes.data(), bytes.size()) > 0) {
  }
}

void ShutdownRequests::Request() {
  if (requested_) return;
  requested_ = true;
  if (orderly_exit_) orderly_exit_();
}

}  // namespace ombrelk
