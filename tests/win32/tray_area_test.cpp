#include <gtest/gtest.h>

#include <cstdio>

#include "platform/backends/win32/ui_resources.h"
#include "platform/backends/win32/win32_tray_area.h"
#include "view/pictures/tray_picture.h"

namespace ombrelk::testing {
namespace {

TrayIconRecord DayRecord(int day) {
  return MakeTrayIconRecord(0, DayPageIcon(day), "2027/05/03");
}

bool IconAlive(HICON icon) {
  ICONINFO info{};
  if (GetIconInfo(icon, &info) == FALSE) return false;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return true;
}

// A day's page is drawn anew each day; a page that outlived its day would
// add an icon and its bitmaps to the process's handles every midnight. More
// days than Wine's handle tables hold leaked icons (about 32000) or bitmaps
// (two or more per icon) must each get their page, and leave one alive.
TEST(Win32TrayArea, KeepsOneDayIconOverManyDays) {
  UiResources ui(GetModuleHandleW(nullptr));
  Win32TrayArea tray(ui);
  tray.Shell_NotifyIcon(kNimAdd, DayRecord(1));
  const HICON first = tray.DayIcon();
  ASSERT_NE(first, nullptr);
  const DWORD gdi_before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user_before = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  constexpr int kDays = 40000;
  for (int change = 1; change <= kDays; ++change) {
    tray.Shell_NotifyIcon(kNimModify, DayRecord(change % 31 + 1));
    ASSERT_NE(tray.DayIcon(), nullptr) << "no icon for the day after " << change << " changes";
  }
  EXPECT_FALSE(IconAlive(first));
  EXPECT_TRUE(IconAlive(tray.DayIcon()));
  const DWORD gdi_after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user_after = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  // Wine counts no handles here (it answers 0); Windows does.
  std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu over %d days\n", gdi_before,
              gdi_after, user_before, user_after, kDays);
  EXPECT_EQ(gdi_after, gdi_before);
  EXPECT_EQ(user_after, user_before);
}

}  // namespace
}  // namespace ombrelk::testing
