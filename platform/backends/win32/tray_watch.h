#pragma once

#include "platform/backends/win32/win32_api.h"

#include <cstdint>
#include <functional>

namespace ombrelk {

// The taskbar's "TaskbarCreated" broadcast, which every top-level window
// receives: a tray appeared, or came back with Explorer without the icons it
// held; and the icon's notifications (kTrayCallbackMessage), the mouse
// message on the icon in lParam. The calendar window hands its messages to
// Take.
class TrayWatch {
 public:
  TrayWatch(UINT taskbar_created, std::function<void()> appeared,
            std::function<void(std::int32_t mouse_message)> notified);

  // True when the message was the broadcast or a notification; appeared or
  // notified has run then.
  bool Take(UINT message, LPARAM lparam) const;

 private:
  UINT taskbar_created_;
  std::function<void()> appeared_;
  std::function<void(std::int32_t)> notified_;
};

}  // namespace ombrelk
