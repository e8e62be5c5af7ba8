#pragma once

#include "platform/backends/win32/win32_api.h"

#include <cstdint>

namespace ombrelk {

// The core holds window handles as 32-bit numbers. Windows keeps handles
// within 32 significant bits, sign-extended on 64-bit systems, so that 32-bit
// and 64-bit programs can pass them to each other; the round trip is exact.
inline HWND HwndOf(std::int32_t handle) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

inline std::int32_t HandleOf(HWND hwnd) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(hwnd));
}

}  // namespace ombrelk
