#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/runtime_values/number_text.h"

namespace ombrelk {
namespace {

TEST(NumberText, IntegerConversionFailsOnWhatIsNoNumber) {
  struct Row {
    const char* text;
    std::optional<std::int16_t> expected;
  };
  const Row rows[] = {
      {"1", 1},
      {"0000", 0},
      {"-001", -1},
      {" 12", 12},
      {"+7", 7},
      {"", {}},
      {" ", {}},
      {"-", {}},
      {"+", {}},
      {"a", {}},
      {"1a", {}},
      {"1 2", {}},
      {"32767", 32767},
      {"32768", {}},
      {"-32768", -32768},
      {"++1", {}},
      // A fraction rounds to the nearest integer, halves to even.
      {"2.5", 2},
      {"3.5", 4},
      {"5.", 5},
      {" 7 ", 7},
      {".5", 0},
      {"-2.5", -2},
      {"2.51", 3},
      {"2.4999", 2},
      {"-0.4", 0},
      {".", {}},
      {"-.", {}},
      {"1.2.3", {}},
      {"32767.5", {}},
      {"-32768.5", -32768},
      {"-32768.51", {}},
      {"1e1", {}},
      {"1,5", {}},
      {"99999999999999999999", {}},
  };
  for (const Row& row : rows) EXPECT_EQ(TextToInt16(row.text), row.expected) << row.text;
}

TEST(NumberText, SingleConversionRefusesNanInfinityAndOverflow) {
  for (const char* text :
       {"nan", "inf", "-inf", "infinity", "NAN", "1e39", "", " ", "-", "x", "+-1", "1,5"}) {
    EXPECT_EQ(TextToSingle(text), std::nullopt) << text;
  }
  EXPECT_EQ(TextToSingle("-150"), -150.0F);
  EXPECT_EQ(TextToSingle(" 1800 "), 1800.0F);
  EXPECT_EQ(TextToSingle("12.5"), 12.5F);
}

TEST(NumberText, TextsReadBackAsTheSameValue) {
  EXPECT_EQ(SingleText(1800.0F), "1800");
  EXPECT_EQ(SingleText(-150.0F), "-150");
  EXPECT_EQ(SingleText(12.5F), "12.5");
  // Plain decimals of at most seven significant digits and ten characters.
  const struct {
    float value;
    const char* text;
  } positions[] = {
      {300000, "300000"},
      {-0.0F, "0"},
      {1e-8F, "0"},
      {-1e-8F, "0"},
      {1234.5678F, "1234.568"},
      {0.1234567F, "0.1234567"},
      {-0.00001234F, "-0.0000123"},
      {9999999, "9999999"},
      {3e38F, "9999999"},
      {-3e38F, "-9999999"},
      {99999.998F, "100000"},
  };
  for (const auto& row : positions) {
    EXPECT_EQ(SingleText(row.value), row.text) << row.text;
    EXPECT_EQ(SingleText(SingleAsWritten(row.value)), row.text) << row.text;
  }
  EXPECT_EQ(ZeroPadded(5, 2), "05");
  EXPECT_EQ(ZeroPadded(2000, 4), "2000");
  EXPECT_EQ(ZeroPadded(12345, 4), "12345");
  // A negative value keeps its sign inside the field, so it reads back the same.
  EXPECT_EQ(ZeroPadded(-1, 4), "-001");
  EXPECT_EQ(TextToInt16(ZeroPadded(-1, 4)), -1);
  EXPECT_EQ(ZeroPadded(-9, 2), "-9");
  EXPECT_EQ(DecimalText(-12), "-12");
}

TEST(RoundToInt16, RoundsHalvesToEvenAndHoldsTheRange) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    std::int16_t rounded;
  } rows[] = {
      {0.5, 0},         {1.5, 2},         {-0.5, 0},      {-1.5, -2},         {2.4999, 2},
      {32767.4, 32767}, {32767.5, 32767}, {32768, 32767}, {-32768.5, -32768}, {1e12, 32767},
      {-1e12, -32768},  {inf, 32767},     {-inf, -32768}, {std::nan(""), 0},
  };
  for (const auto& r : rows) EXPECT_EQ(RoundToInt16(r.value), r.rounded) << r.value;
}

}  // namespace
}  // namespace ombrelk
