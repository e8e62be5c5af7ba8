#pragma once

#include "platform/backends/win32/win32_api.h"

#include "platform/services/runtime.h"

namespace ombrelk {

// The forms runtime on Win32: the message loop (with each form's look at the
// keys first), pop-up menus, modal dialogs, the end of the program and the
// single-instance check.
class Win32Runtime : public Runtime {
 public:
  Win32Runtime() = default;
  ~Win32Runtime() override;
  Win32Runtime(const Win32Runtime&) = delete;
  Win32Runtime& operator=(const Win32Runtime&) = delete;

  // The window that owns the pop-up menus: the calendar window.
  void SetMenuOwner(HWND owner) { menu_owner_ = owner; }

  void PopupMenu(MenuItem& menu) override;
  // Disables the owner, shows the dialog and runs messages until it is
  // hidden or closed (or the program ends).
  void ShowModal(Form& dialog, Form& owner) override;
  void DoEvents() override;
  void EndProgram() override;
  bool PrevInstance() override;
  std::optional<std::int32_t> GetPlatformId() override;

  // Runs the message loop until the program ends; returns its exit code.
  int Run();
  bool Ended() const { return ended_; }

 private:
  static void Dispatch(MSG& msg);

  HWND menu_owner_ = nullptr;
  HANDLE instance_mutex_ = nullptr;
  bool another_instance_ = false;
  bool ended_ = false;
  int exit_code_ = 0;
};

}  // namespace ombrelk
