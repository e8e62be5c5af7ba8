#pragma once

#include <cstdint>
#include <optional>

namespace ombrelk {

class Form;
class MenuItem;

// GetVersionEx's platform id of the Windows 95 line.
inline constexpr std::int32_t kVerPlatformWin32Windows = 1;

// The forms runtime: event processing, modal display, pop-up menus and the
// process's own life.
class Runtime {
 public:
  virtual ~Runtime() = default;
  // Opens menu as a pop-up at the mouse pointer; returns when it closes.
  virtual void PopupMenu(MenuItem& menu) = 0;
  // Shows dialog modally over owner; returns when the dialog is hidden or closed.
  virtual void ShowModal(Form& dialog, Form& owner) = 0;
  virtual void DoEvents() = 0;
  // Ends the program: no handler runs after this one returns.
  virtual void EndProgram() = 0;
  // True when another instance of the program already runs.
  virtual bool PrevInstance() = 0;
  // The Windows platform id (1 for the Windows 95 line, 2 for NT), -1 when the
  // query fails, and nothing on a system that has no such ids.
  virtual std::optional<std::int32_t> GetPlatformId() = 0;
};

}  // namespace ombrelk
