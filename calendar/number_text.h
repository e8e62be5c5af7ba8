#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ombrelk {

// Decimal text without padding or blank: "7", "-12".
std::string DecimalText(int value);

// At least width digits with leading zeros; a negative value keeps its sign in
// front of the zeros ("-001" for -1 in four places), so it stays within its
// field whenever the value fits there.
std::string ZeroPadded(int value, int width);

// Text to a 16-bit integer. Blanks around the number and a leading sign are
// allowed; anything else (empty text, a blank alone, a sign alone, a letter,
// a value out of range) fails.
std::optional<std::int16_t> TextToInt16(std::string_view text);

// Text to a single-precision number, with the same rules; "nan" and "inf" fail.
std::optional<float> TextToSingle(std::string_view text);

// The shortest text that reads back as the same single-precision value:
// whole numbers as plain digits, a fraction after a decimal point.
std::string SingleText(float value);

}  // namespace ombrelk
