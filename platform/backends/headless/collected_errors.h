#pragma once

#include <string>
#include <string_view>

#include "platform/services/error_sink.h"

namespace ombrelk {

// The headless platform's error sink: what the program reported, kept as
// text for a test to read.
class CollectedErrors : public ErrorSink {
 public:
  void Write(std::string_view text) override { text_ += text; }
  const std::string& str() const { return text_; }
  void clear() { text_.clear(); }

 private:
  std::string text_;
};

}  // namespace ombrelk
