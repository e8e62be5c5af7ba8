#include "platform/backends/qt/day_watch.h"

#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QDBusConnection>
#include <array>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace ombrelk {

namespace {

// The next local midnight as a point on the realtime clock. mktime settles a
// day whose midnight a daylight-saving change moves or skips.
std::time_t NextLocalMidnight() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  local.tm_mday += 1;
  local.tm_hour = 0;
  local.tm_min = 0;
  local.tm_sec = 0;
  local.tm_isdst = -1;
  return std::mktime(&local);
}

}  // namespace

DayWatch::DayWatch(std::function<void()> changed) : changed_(std::move(changed)) {
  timer_fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_CLOEXEC | TFD_NONBLOCK);
  if (timer_fd_ >= 0) {
    timer_notifier_ = std::make_unique<QSocketNotifier>(timer_fd_, QSocketNotifier::Read);
    connect(timer_notifier_.get(), &QSocketNotifier::activated, this, [this] { TimerFired(); });
    ArmTimer();
  }
  // /etc/localtime is usually a link that the system replaces rather than
  // writes, so its folder is watched for the name.
  inotify_fd_ = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  if (inotify_fd_ >= 0 &&
      ::inotify_add_watch(inotify_fd_, "/etc",
                          IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE | IN_DELETE) >= 0) {
    inotify_notifier_ = std::make_unique<QSocketNotifier>(inotify_fd_, QSocketNotifier::Read);
    connect(inotify_notifier_.get(), &QSocketNotifier::activated, this,
            [this] { ZoneFolderChanged(); });
  }
  QDBusConnection system_bus = QDBusConnection::systemBus();
  if (system_bus.isConnected()) {
    system_bus.connect(QStringLiteral("org.freedesktop.login1"),
                       QStringLiteral("/org/freedesktop/login1"),
                       QStringLiteral("org.freedesktop.login1.Manager"),
                       QStringLiteral("PrepareForSleep"), this, SLOT(PrepareForSleep(bool)));
  }
}

DayWatch::~DayWatch() {
  timer_notifier_.reset();
  inotify_notifier_.reset();
  if (timer_fd_ >= 0) ::close(timer_fd_);
  if (inotify_fd_ >= 0) ::close(inotify_fd_);
}

void DayWatch::ArmTimer() const {
  itimerspec when{};
  when.it_value.tv_sec = NextLocalMidnight();
  ::timerfd_settime(timer_fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

void DayWatch::TimerFired() {
  // Midnight passed, or the clock was set (the read then fails with
  // ECANCELED); either way the date is read again and the timer set anew.
  std::uint64_t expirations = 0;
  [[maybe_unused]] const ssize_t n = ::read(timer_fd_, &expirations, sizeof expirations);
  DayMayHaveChanged();
}

void DayWatch::ZoneFolderChanged() {
  alignas(inotify_event) std::array<char, 4096> buffer{};
  bool zone = false;
  ssize_t n = 0;
  while ((n = ::read(inotify_fd_, buffer.data(), buffer.size())) > 0) {
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
      if (event->len > 0 && std::strcmp(event->name, "localtime") == 0) zone = true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  if (!zone) return;
  ::tzset();
  DayMayHaveChanged();
}

void DayWatch::PrepareForSleep(bool going_to_sleep) {
  if (!going_to_sleep) DayMayHaveChanged();
}

void DayWatch::DayMayHaveChanged() {
  if (timer_fd_ >= 0) ArmTimer();
  changed_();
}

}  // namespace ombrelk
