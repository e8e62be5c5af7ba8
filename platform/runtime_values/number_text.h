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

// Text to a 16-bit integer, as the forms runtime converts it: blanks around
// the number, an optional sign and a fractional part are allowed, and the
// value is rounded to the nearest integer, halves to even ("2.5" is 2, "3.5"
// is 4). Empty text, a blank alone, a sign alone, a letter (so also an
// exponent), and a result outside 16 bits fail. The decimal point is always
// "."; nothing depends on the locale.
std::optional<std::int16_t> TextToInt16(std::string_view text);

// Text to a single-precision number: blanks around, an optional sign, a
// fraction and an exponent; "nan" and "inf" fail.
std::optional<float> TextToSingle(std::string_view text);

// A window position as decimal text of at most ten characters: plain digits
// for whole numbers, a decimal point only for a fraction, at most seven
// significant digits and seven decimal places, never an exponent, and "0" for
// minus zero. Values beyond +-9 999 999 are held there.
std::string SingleText(float value);

// The value that SingleText's text reads back as. A value passed through here
// is written and read back unchanged, run after run.
float SingleAsWritten(float value);

// Rounds half to even into the 16-bit range, holding values beyond it at its ends.
std::int16_t RoundToInt16(double value);

}  // namespace ombrelk
