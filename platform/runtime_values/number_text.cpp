#include "platform/runtime_values/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace ombrelk {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// from_chars takes no '+'; the forms runtime's conversions do. A second sign
// after it is no number.
std::optional<std::string_view> DropPlus(std::string_view text) {
  if (text.empty() || text.front() != '+') return text;
  text.remove_prefix(1);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
  return text;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
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

// The whole part goes through from_chars; the fraction is looked at by hand,
// since reading the text as a floating-point number first would round twice
// ("32767.49999999999999" would become 32767.5 and then 32768).
std::optional<std::int16_t> TextToInt16(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (!AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
  std::int64_t value = 0;
  if (!whole.empty()) {
    const auto [ptr, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    if (ec != std::errc{}) return std::nullopt;  // beyond 64 bits, so beyond 16 too
  }
  // To the nearest integer; exactly one half goes to the even neighbour.
  if (!fraction.empty()) {
    const char first = fraction.front();
    const bool exactly_half =
        first == '5' && fraction.find_first_not_of('0', 1) == std::string_view::npos;
    if (first > '5' || (first == '5' && (!exactly_half || value % 2 == 1))) ++value;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(value);
}

std::optional<float> TextToSingle(std::string_view text) {
  const std::optional<std::string_view> number = DropPlus(TrimBlanks(text));
  if (!number || number->empty()) return std::nullopt;
  float value{};
  const char* end = number->data() + number->size();
  auto [ptr, ec] = std::from_chars(number->data(), end, value, std::chars_format::general);
  // from_chars reads "nan" and "inf", which are no numbers to the forms runtime.
  if (ec != std::errc{} || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Seven significant digits in all, at most seven of them after the point: the
// number of decimals follows from the whole part's digits. The value times
// ten to that power, rounded exactly (halves to even) in integers: a float is
// m * 2^e with m below 2^24, and within the held range m * 10^decimals stays
// below 2^48. Every text so made names a different float (at every magnitude
// up to 9 999 999 the floats lie closer together than these decimals), so it
// reads back as a value that gives the same text again. By hand rather than
// through to_chars, whose floating-point formatting is the largest part of
// the C++ runtime in the statically linked Windows program.
std::string SingleText(float value) {
  constexpr float kHeld = 9'999'999.0F;
  if (std::isnan(value)) value = 0;
  value = std::clamp(value, -kHeld, kHeld);
  auto whole = static_cast<std::int32_t>(std::fabs(value));
  int whole_digits = 0;
  for (; whole > 0; whole /= 10) ++whole_digits;
  const int decimals = 7 - whole_digits;
  int exponent = 0;
  const float fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24));
  exponent -= 24;
  std::uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::uint64_t scaled = mantissa * scale;
  if (exponent >= 0) {
    scaled <<= exponent;
  } else if (exponent <= -64) {
    scaled = 0;  // below 2^48 / 2^64: less than half a unit
  } else {
    const int shift = -exponent;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    scaled >>= shift;
    if (rest > half || (rest == half && scaled % 2 == 1)) ++scaled;
  }
  std::string text = std::signbit(value) ? "-" : "";
  text += std::to_string(scaled / scale);
  if (decimals > 0) {
    const std::string digits =
        std::to_string(scaled % scale + scale);  // a leading 1, then the decimals
    text += '.';
    text.append(digits, 1);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::int16_t RoundToInt16(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
  const double lo = std::numeric_limits<std::int16_t>::min();
  const double hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::clamp(rounded, lo, hi));
}

float SingleAsWritten(float value) {
  return TextToSingle(SingleText(value)).value_or(0.0F);
}

}  // namespace ombrelk
