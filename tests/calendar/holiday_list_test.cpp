#include "calendar/holiday_list.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/list_files.h"

namespace ombrelk {
namespace {

using list_files::kHeader932;
using list_files::kKeiro932;
using list_files::kKyujitsu932;
using list_files::Read;
const std::string kHeader(kHolidayListHeader);

// The list as the rows it holds and the years it covers.
std::string Text(const HolidayList& list) {
  std::string out;
  for (const ListedDay& d : list.days) {
    out += std::to_string(static_cast<int>(d.date.year())) + "/" +
           std::to_string(static_cast<unsigned>(d.date.month())) + "/" +
           std::to_string(static_cast<unsigned>(d.date.day())) + "," + d.name + " ";
  }
  return out + std::to_string(static_cast<int>(list.first_year)) + "-" +
         std::to_string(static_cast<int>(list.last_year));
}

TEST(ReadHolidayList, TakesTheListAsPublishedOrSavedAsUtf8) {
  const struct {
    const char* what;
    std::string bytes;
    const char* list;
  } rows[] = {
      {"published",
       kHeader932 + "\r\n2025/9/15," + kKeiro932 + "\r\n2026/9/21," + kKeiro932 + "\r\n2026/9/22," +
           kKyujitsu932 + "\r\n",
       "2025/9/15,敬老の日 2026/9/21,敬老の日 2026/9/22,休日 2025-2026"},
      {"UTF-8 with mark, LF", "\xEF\xBB\xBF" + kHeader + "\n2026/9/21,敬老の日",
       "2026/9/21,敬老の日 2026-2026"},
      {"twice, zeros, no name, commas, empty lines at the end",
       kHeader + "\r\n2026/09/01,a\r\n2026/9/1,b\r\n2027/1/2\r\n2027/1/3,\r\n2028/2/29,x,y\r\n\n",
       "2026/9/1,a 2027/1/2,休日 2027/1/3,休日 2028/2/29,x,y 2026-2028"},
      {"a header alone", kHeader932 + "\r\n", "1-0"},
  };
  for (const auto& r : rows) {
    HolidayList list;
    EXPECT_TRUE(Read(r.bytes, list).ok()) << r.what;
    EXPECT_EQ(Text(list), r.list) << r.what;
  }
}

TEST(ReadHolidayList, RefusesTheWholeFileAndKeepsTheListItHad) {
  const std::string rows_ok = kHeader + "\n2026/9/21,a\n";
  const struct {
    std::string bytes;
    const char* refusal;
  } rows[] = {
      {kHeader + "\n" + std::string(kHolidayListMaxBytes, '\n'), "1 MB を超えています。"},
      {kHeader932 + "\r\n2026/9/21,\x81\x20\r\n", "文字コードが読めません。"},
      {rows_ok + "2026/9/22,\xE5\x9B\n", "文字コードが読めません。"},  // UTF-8 cut off
      {"", "見出しの行がありません。"},
      {"date,name\r\n2026/9/21,a\r\n", "見出しの行がありません。"},
      {"\xEF\xBB\xBF\n" + kHeader, "見出しの行がありません。"},
      {"\xEF\xBB\xBF国民の祝日月日,国民の祝日名称\n2026/9/21,a", "見出しの行がありません。"},
      {rows_ok + "2026/9/22,b\n2026/9/21,c\n", "日付が順に並んでいません。"},
      {rows_ok + "2025/2/29,a\n", "3行目の日付が読めません。"},
      {rows_ok + "2026-9-22,a\n", "3行目の日付が読めません。"},
      {rows_ok + "26/9/22,a\n", "3行目の日付が読めません。"},
      {rows_ok + "2026/9/22/,a\n", "3行目の日付が読めません。"},
      {rows_ok + "2026/9/22,a\n\n2026/9/23,b\n", "4行目の日付が読めません。"},
  };
  HolidayList before;
  ASSERT_TRUE(Read(kHeader + "\n2020/1/1,元日\n", before).ok());
  for (const auto& r : rows) {
    HolidayList list = before;
    EXPECT_EQ(Read(r.bytes, list).refusal, r.refusal) << testing::PrintToString(r.bytes);
    EXPECT_EQ(list, before) << testing::PrintToString(r.bytes);
  }
}

}  // namespace
}  // namespace ombrelk
