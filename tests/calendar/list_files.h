#pragma once

// Pieces of list files as the Cabinet Office publishes them, and reading one
// with the system's converter.

#include <string>
#include <string_view>

#include "calendar/holiday_list.h"
#include "platform/backends/codepage/code_page_decoding.h"

namespace ombrelk::list_files {

// iconv -t CP932 of the header and of a few names.
inline const std::string kHeader932 =
    "\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa\x81\x45\x8b\x78\x93\xfa\x8c\x8e\x93\xfa,"
    "\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa\x81\x45\x8b\x78\x93\xfa\x96\xbc\x8f\xcc";
inline const std::string kKeiro932 = "\x8c\x68\x98\x56\x82\xcc\x93\xfa";             // 敬老の日
inline const std::string kKyujitsu932 = "\x8b\x78\x93\xfa";                          // 休日
inline const std::string kGanjitsu932 = "\x8c\xb3\x93\xfa";                          // 元日
inline const std::string kTakasaki932 = "\xfb\xfc\xfa\xb1\x8b\x4c\x94\x4f\x93\xfa";  // 髙﨑記念日

inline ListReadResult Read(std::string_view bytes, HolidayList& list) {
  const CodePageDecoding decoding;
  return ReadHolidayList(
      bytes, [&](std::string_view b) { return decoding.Cp932ToUtf8(b); }, list);
}

}  // namespace ombrelk::list_files
