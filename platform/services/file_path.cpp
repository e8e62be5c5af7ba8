#include "platform/services/file_path.h"

#include <cstddef>

namespace ombrelk {

namespace {

// The system's path syntax is a fact of the system built for, like the
// size of its wide characters.
#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr bool kDrives = true;
bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}
#else
constexpr char kSeparator = '/';
constexpr bool kDrives = false;
bool IsSeparator(char c) {
  return c == '/';
}
#endif

// "C:" on Windows, where a drive letter starts the path.
bool HasDrive(const std::string& t) {
  return kDrives && t.size() >= 2 && t[1] == ':';
}

// How many leading characters are the root, which no parent goes above:
// "/", "C:\", "C:", "\\server\".
std::size_t RootLength(const std::string& t) {
  if (HasDrive(t)) return t.size() > 2 && IsSeparator(t[2]) ? 3 : 2;
  if (t.empty() || !IsSeparator(t[0])) return 0;
  if (kDrives && t.size() > 2 && IsSeparator(t[1]) && !IsSeparator(t[2])) {
    std::size_t i = 2;
    while (i < t.size() && !IsSeparator(t[i])) ++i;
    return i < t.size() ? i + 1 : i;
  }
  return 1;
}

}  // namespace

FilePath FilePath::operator/(std::string_view name) const {
  if (text_.empty()) return FilePath(std::string(name));
  std::string joined = text_;
  const bool bare_drive = HasDrive(text_) && text_.size() == 2;
  if (!IsSeparator(joined.back()) && !bare_drive) joined += kSeparator;
  joined += name;
  return FilePath(std::move(joined));
}

FilePath FilePath::Parent() const {
  const std::size_t root = RootLength(text_);
  std::size_t end = text_.size();
  while (end > root && !IsSeparator(text_[end - 1])) --end;  // the last name
  while (end > root && IsSeparator(text_[end - 1])) --end;   // the separators before it
  return FilePath(text_.substr(0, end));
}

bool FilePath::IsAbsolute() const {
  if (HasDrive(text_)) return text_.size() > 2 && IsSeparator(text_[2]);
  return kDrives ? text_.size() > 1 && IsSeparator(text_[0]) && IsSeparator(text_[1])
                 : !text_.empty() && IsSeparator(text_[0]);
}

}  // namespace ombrelk
