#include "platform/backends/codepage/code_page_decoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace ombrelk {
namespace {

// The byte strings are iconv -t CP932 of the text beside them.
TEST(CodePageDecoding, Cp932ToUtf8) {
  const struct {
    std::string_view bytes;
    std::optional<std::string_view> text;
  } rows[] = {
      {"", ""},
      {"2026/9/21,", "2026/9/21,"},
      {"\x90\x55\x91\xd6\x8b\x78\x93\xfa", "振替休日"},
      {"\x8d\x91\x96\xaf\x82\xcc\x8b\x78\x93\xfa", "国民の休日"},
      {"\xbc\xad\xb8\xbc\xde\xc2", "ｼｭｸｼﾞﾂ"},  // half-width katakana
      {"\x87\x40", "①"},                       // NEC special row
      {"\xed\x40", "纊"},                      // NEC-selected IBM extension
      {"\xfa\xb1", "﨑"},                      // IBM extension
      {"\xfb\xfc", "髙"},
      {"\x81\x60\x81\x7c", "～－"},  // where Shift_JIS and code page 932 differ
      {"\x5c\x7e", "\\~"},
      {"\x81", std::nullopt},          // a lead byte cut off
      {"\x81\x20", std::nullopt},      // no trail byte
      {"\x85\x40", std::nullopt},      // an empty row
      {"\xeb\x40\x41", std::nullopt},  // an empty row before valid text
      {"\xef\xbb\xbf", std::nullopt},  // a UTF-8 byte order mark
  };
  const CodePageDecoding decoding;
  for (const auto& r : rows) {
    EXPECT_EQ(decoding.Cp932ToUtf8(r.bytes), r.text) << testing::PrintToString(r.bytes);
  }
}

}  // namespace
}  // namespace ombrelk
