#pragma once

#include "platform/backends/win32/win32_api.h"

#include <functional>

namespace ombrelk {

// The taskbar's "TaskbarCreated" broadcast, which every top-level window
// receives: a tray appeared, or came back with Explorer without the icons it
// held. The calendar window hands its messages to Take.
class TrayWatch {
 public:
  TrayWatch(UINT taskbar_created, std::function<void()> appeared);

  // True when the message was the broadcast; appeared has run then.
  bool Take(UINT message) const;

 private:
  UINT taskbar_created_;
  std::function<void()> appeared_;
};

}  // namespace ombrelk
