#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrelk {

// Text in the encodings of files the calendar reads but did not write, made
// UTF-8 by the system's own converters.
class TextDecoding {
 public:
  virtual ~TextDecoding() = default;
  // Shift_JIS as Windows reads it (code page 932: JIS X 0208, half-width
  // katakana and the NEC and IBM extension rows) as UTF-8; none when the
  // bytes are no such text.
  virtual std::optional<std::string> Cp932ToUtf8(std::string_view bytes) const = 0;
};

}  // namespace ombrelk
