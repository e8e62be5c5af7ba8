#pragma once

#include <cerrno>
#include <string_view>

namespace ombrelk {

// The common reasons a file cannot be written, in the user's words, by the C
// library's errno value; empty for any other, which the system's own text names.
inline std::string_view CommonReasonText(int errno_value) {
  switch (errno_value) {
    case EACCES:
    case EPERM:
      return "書き込む権限がありません。";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "ディスクに空きがありません。";
    case EROFS:
      return "読み取り専用の場所です。";
    default:
      return {};
  }
}

}  // namespace ombrelk
