#pragma once

#include "platform/backends/win32/win32_api.h"

#include <cstdint>
#include <functional>

namespace ombrelk {

// The taskbar's "TaskbarCreated" broadcast, which every top-level window
// receives: a tray appeared, or came back with Explorer without the icons it
// held; and the icon's notifications (kTrayCallbackMessage), the mouse
// message on the icon in lParam. At login the taskbar may still be starting
// when the program adds its icon, and the add fails without a broadcast to
// follow: while the icon is missing, a timer asks again for a while. The
// calendar window hands its messages to Take.
class TrayWatch {
 public:
  TrayWatch(HWND window, UINT taskbar_created, std::function<void()> appeared,
            std::function<void(std::int32_t mouse_message)> notified);

  // Runs appeared every few seconds for two minutes, as long as missing
  // says the icon is not there.
  void RetryWhileMissing(std::function<bool()> missing);

  // True when the message was the broadcast, a notification or the retry
  // timer; appeared or notified has run then.
  bool Take(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void Retry();

  HWND window_;
  UINT taskbar_created_;
  std::function<void()> appeared_;
  std::function<void(std::int32_t)> notified_;
  std::function<bool()> missing_;
  int retries_left_ = 0;
};

}  // namespace ombrelk
