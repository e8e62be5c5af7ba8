#include "platform/backends/win32/shutdown_requests.h"

#include <utility>

namespace ombrelk {

ShutdownRequests::ShutdownRequests(std::function<bool()> orderly_exit)
    : orderly_exit_(std::move(orderly_exit)) {}

bool ShutdownRequests::Take(UINT message, WPARAM wparam) const {
  return message == WM_ENDSESSION && wparam != FALSE && orderly_exit_();
}

}  // namespace ombrelk
