#pragma once

#include <cstdio>
#include <string_view>

#include "platform/services/error_sink.h"

namespace ombrelk {

// The desktop programs' error sink: the process's standard error, through
// the C library, which every program links anyway.
class StderrErrorSink : public ErrorSink {
 public:
  void Write(std::string_view text) override {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
  }
};

}  // namespace ombrelk
