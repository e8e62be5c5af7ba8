#include "platform/backends/win32/win32_runtime.h"

#include "platform/backends/win32/form_peer.h"
#include "platform/backends/win32/win32_handles.h"
#include "platform/backends/win32/win32_menu.h"
#include "platform/controls/form.h"
#include "platform/controls/menu.h"

namespace ombrelk {

Win32Runtime::~Win32Runtime() {
  if (instance_mutex_ != nullptr) CloseHandle(instance_mutex_);
}

void Win32Runtime::Dispatch(MSG& msg) {
  FormPeer* form = FormPeer::Of(GetAncestor(msg.hwnd, GA_ROOT));
  if (form != nullptr && form->PreviewKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Runtime::PopupMenu(MenuItem& menu) {
  if (menu_owner_ == nullptr) return;
  MenuItem* chosen = TrackMenuAtPointer(menu, menu_owner_);
  if (chosen != nullptr && chosen->Click) chosen->Click();
}

void Win32Runtime::ShowModal(Form& dialog, Form& owner) {
  if (dialog.Visible() || FormPeer::Of(HwndOf(dialog.hWnd())) == nullptr) return;
  HWND owner_window = HwndOf(owner.hWnd());
  EnableWindow(owner_window, FALSE);
  dialog.SetVisible(true);
  MSG msg{};
  while (dialog.Visible() && !ended_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The end of the program reached the inner loop: the outer one must see it too.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Dispatch(msg);
  }
  // The dialog's peer enabled the owner as the dialog hid; a dialog still up
  // when the program ends leaves it to be done here.
  EnableWindow(owner_window, TRUE);
}

void Win32Runtime::DoEvents() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void Win32Runtime::EndProgram() {
  if (ended_) return;
  ended_ = true;
  PostQuitMessage(exit_code_);
}

int Win32Runtime::Run() {
  MSG msg{};
  while (!ended_ && GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return exit_code_;
}

bool Win32Runtime::PrevInstance() {
  if (instance_mutex_ == nullptr) {
    // Held for the whole run; Windows lets it go with the process.
    instance_mutex_ = CreateMutexW(nullptr, FALSE, L"Local\\Ombrelk.Calendar");
    another_instance_ = instance_mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  }
  return another_instance_;
}

std::optional<std::int32_t> Win32Runtime::GetPlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  static_assert(sizeof(OSVERSIONINFOA) == 148);
  if (GetVersionExA(&version) == 0) return -1;
  return static_cast<std::int32_t>(version.dwPlatformId);
}

}  // namespace ombrelk
