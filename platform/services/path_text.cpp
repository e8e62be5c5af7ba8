#include "platform/services/path_text.h"

#include <cstdint>
#include <utility>

namespace ombrelk {

namespace {

using Unit = std::wstring::value_type;
constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at text[i], advancing i; kReplacement for a
// malformed sequence, of which one byte is taken.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<std::uint8_t>(text[i]);
  std::size_t extra = 0;
  char32_t cp = lead;
  char32_t least = 0;  // below it, the sequence is an overlong one
  if (lead < 0x80) {
    ++i;
    return cp;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, cp = lead & 0x1FU, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, cp = lead & 0x0FU, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, cp = lead & 0x07U, least = 0x10000;
  } else {
    ++i;
    return kReplacement;
  }
  if (i + extra >= text.size()) {
    ++i;
    return kReplacement;
  }
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto next = static_cast<std::uint8_t>(text[i + k]);
    if ((next & 0xC0U) != 0x80) {
      ++i;
      return kReplacement;
    }
    cp = (cp << 6) | (next & 0x3FU);
  }
  i += extra + 1;
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::wstring WidePath(const FilePath& path) {
  const std::string& text = path.text();
  std::wstring out;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = NextCodePoint(text, i);
    if (cp >= 0x10000) {
      out += static_cast<Unit>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<Unit>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<Unit>(cp);
    }
  }
  return out;
}

FilePath PathFromWide(std::wstring_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto unit = static_cast<char32_t>(name[i]) & 0xFFFFU;
    char32_t cp = unit;
    if (unit >= 0xD800 && unit <= 0xDFFF) {
      const char32_t low = i + 1 < name.size() ? static_cast<char32_t>(name[i + 1]) & 0xFFFFU : 0;
      if (unit <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else {
        cp = kReplacement;
      }
    }
    AppendUtf8(out, cp);
  }
  return FilePath(std::move(out));
}

}  // namespace ombrelk
