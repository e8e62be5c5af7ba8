#pragma once

#include "platform/services/text_decoding.h"

namespace ombrelk {

// The system's converters: glibc's iconv on Linux, the code page functions of
// Windows there. Both follow Microsoft's table for code page 932, so a list
// decodes alike on either system.
class CodePageDecoding : public TextDecoding {
 public:
  std::optional<std::string> Cp932ToUtf8(std::string_view bytes) const override;
};

}  // namespace ombrelk
