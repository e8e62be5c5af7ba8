#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace ombrelk {

// Tells when the local date may have changed, without polling: one realtime
// timer set to the next local midnight, which the kernel also cancels when
// the clock is set (TFD_TIMER_CANCEL_ON_SET); a watch on /etc for a new
// /etc/localtime, after which the time zone is read again (tzset); and
// logind's PrepareForSleep(false) on the system bus when the machine wakes.
// Each source runs changed and sets the timer again. A source the system
// lacks (no system bus, no /etc to watch) is left out.
class DayWatch : public QObject {
  Q_OBJECT

 public:
  explicit DayWatch(std::function<void()> changed);
  ~DayWatch() override;
  DayWatch(const DayWatch&) = delete;
  DayWatch& operator=(const DayWatch&) = delete;

 private Q_SLOTS:
  void PrepareForSleep(bool going_to_sleep);

 private:
  void ArmTimer() const;
  void TimerFired();
  void ZoneFolderChanged();
  void DayMayHaveChanged();

  std::function<void()> changed_;
  int timer_fd_ = -1;
  int inotify_fd_ = -1;
  std::unique_ptr<QSocketNotifier> timer_notifier_;
  std::unique_ptr<QSocketNotifier> inotify_notifier_;
};

}  // namespace ombrelk
