#include "calendar/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace ombrelk {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// from_chars takes no '+'; the forms runtime's conversions do.
std::string_view DropPlus(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return text;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
  text = DropPlus(TrimBlanks(text));
  if (text.empty() || text.front() == '+') return std::nullopt;
  T value{};
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

std::string DecimalText(int value) {
  std::array<char, 16> buf{};
  auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return {buf.data(), ptr};
}

std::string ZeroPadded(int value, int width) {
  std::string digits = DecimalText(std::abs(value));
  const int sign = value < 0 ? 1 : 0;
  const int pad = width - sign - static_cast<int>(digits.size());
  std::string out = sign != 0 ? "-" : "";
  if (pad > 0) out.append(static_cast<std::size_t>(pad), '0');
  return out + digits;
}

std::optional<std::int16_t> TextToInt16(std::string_view text) {
  return ParseWhole<std::int16_t>(text);
}

std::optional<float> TextToSingle(std::string_view text) {
  text = DropPlus(TrimBlanks(text));
  if (text.empty() || text.front() == '+') return std::nullopt;
  float value{};
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  // from_chars reads "nan" and "inf", which are no numbers to the forms runtime.
  if (ec != std::errc{} || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string SingleText(float value) {
  std::array<char, 32> buf{};
  auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return {buf.data(), ptr};
}

}  // namespace ombrelk
