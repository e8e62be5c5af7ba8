#pragma once

#include <compare>
#include <string>
#include <string_view>
#include <utility>

namespace ombrelk {

// A file's name on the system, as UTF-8 text: the form every message shows
// it in, and the form a file name the program knows is written in. On POSIX
// it is the system's own bytes; on Windows the backend converts it to the
// system's UTF-16 at each call. Only the few operations the program needs,
// by the system's path syntax ("\" and "/" both separate on Windows).
//
// Our own rather than std::filesystem::path: the C++ runtime's path object
// brings its whole locale machinery into the statically linked Windows
// program, half of its size.
class FilePath {
 public:
  FilePath() = default;
  explicit FilePath(std::string text) : text_(std::move(text)) {}

  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }

  // The file name within this folder; this folder itself when it is empty.
  FilePath operator/(std::string_view name) const;
  // This path with text added to its last name: "a.ini" and ".bak" make "a.ini.bak".
  FilePath operator+(std::string_view text) const { return FilePath(text_ + std::string(text)); }
  // The folder that holds this name: "/a/b" gives "/a", "/a" gives "/", and
  // a bare name an empty path (the current folder).
  FilePath Parent() const;
  bool IsAbsolute() const;

  friend bool operator==(const FilePath&, const FilePath&) = default;
  friend auto operator<=>(const FilePath&, const FilePath&) = default;

 private:
  std::string text_;
};

}  // namespace ombrelk
