// Code page 932 by Windows itself: to UTF-16 with every invalid byte an
// error, then to UTF-8.

#include <windows.h>

#include <limits>

#include "platform/backends/codepage/code_page_decoding.h"

namespace ombrelk {

namespace {

constexpr UINT kShiftJisCodePage = 932;

std::optional<std::wstring> Cp932ToUtf16(std::string_view bytes) {
  const int length = static_cast<int>(bytes.size());
  const int wide = MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                       length, nullptr, 0);
  if (wide <= 0) return std::nullopt;
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  if (MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, out.data(),
                          wide) != wide) {
    return std::nullopt;
  }
  return out;
}

std::optional<std::string> Utf16ToUtf8(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int narrow =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(narrow), '\0');
  if (WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), narrow, nullptr, nullptr) !=
      narrow) {
    return std::nullopt;
  }
  return out;
}

}  // namespace

std::optional<std::string> CodePageDecoding::Cp932ToUtf8(std::string_view bytes) const {
  // Both calls count in int, and a zero length reads as a failure.
  if (bytes.empty()) return std::string();
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 3)) {
    return std::nullopt;
  }
  const std::optional<std::wstring> wide = Cp932ToUtf16(bytes);
  if (!wide) return std::nullopt;
  return Utf16ToUtf8(*wide);
}

}  // namespace ombrelk
