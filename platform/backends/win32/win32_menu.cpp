#include "platform/backends/win32/win32_menu.h"

#include <vector>

#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

namespace {

// Entry ids are positions in chosen + 1; 0 means nothing was chosen.
HMENU BuildMenu(MenuItem& menu, std::vector<MenuItem*>& entries) {
  HMENU handle = CreatePopupMenu();
  for (MenuItem* item : menu.items) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::wstring caption = Wide(item->Caption());
    if (!item->items.empty()) {
      AppendMenuW(handle, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(*item, entries)),
                  caption.c_str());
      continue;
    }
    entries.push_back(item);
    const UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : MF_UNCHECKED);
    AppendMenuW(handle, flags, entries.size(), caption.c_str());
  }
  return handle;
}

}  // namespace

MenuItem* TrackMenuAtPointer(MenuItem& menu, HWND owner) {
  std::vector<MenuItem*> entries;
  HMENU handle = BuildMenu(menu, entries);
  POINT pt{};
  GetCursorPos(&pt);
  // A pop-up menu closes when the user clicks elsewhere only if its owner is
  // the foreground window; and it needs a message to the owner after it has
  // closed, or the next one may not open.
  SetForegroundWindow(owner);
  const auto chosen = static_cast<UINT>(TrackPopupMenu(
      handle, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x,
      pt.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(handle);
  if (chosen == 0 || chosen > entries.size()) return nullptr;
  return entries[chosen - 1];
}

}  // namespace ombrelk
