#pragma once

#include <string_view>

namespace ombrelk {

// Where the program reports what it could not do, one whole line per call (a
// settings file it could not write). Its own small interface rather than a
// std::ostream: the stream would pull the C++ runtime's locale and formatting
// machinery into the statically linked Windows program, about half its size.
class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void Write(std::string_view text) = 0;
};

}  // namespace ombrelk
