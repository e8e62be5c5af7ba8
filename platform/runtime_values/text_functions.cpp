#include "platform/runtime_values/text_functions.h"

namespace ombrelk {

std::string_view Mid(std::string_view line, std::size_t start, std::size_t length) {
  if (start > line.size()) return {};
  return line.substr(start - 1, length);
}

}  // namespace ombrelk
