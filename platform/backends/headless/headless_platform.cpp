#include "platform/backends/headless/headless_platform.h"

#include <array>
#include <cstdio>

#include "platform/controls/form.h"
#include "platform/controls/menu.h"

namespace ombrelk {

namespace {

std::string Hex(std::uint32_t v) {
  std::array<char, 16> buf{};
  std::snprintf(buf.data(), buf.size(), "0x%X", v);
  return buf.data();
}

}  // namespace

HeadlessPlatform::HeadlessPlatform() = default;

Services HeadlessPlatform::services() {
  return Services{*this, *files_, *this, *this, *this, *this, text, *this, errors};
}

std::string HeadlessPlatform::ShortDateText() const {
  std::array<char, 16> buf{};
  std::snprintf(buf.data(), buf.size(), "%04d/%02u/%02u", static_cast<int>(today.year()),
                static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
  return buf.data();
}

bool HeadlessPlatform::Shell_NotifyIcon(int message, const TrayIconRecord& r) {
  calls.push_back(
      "Shell_NotifyIcon(" + std::to_string(message) + ", size=" + std::to_string(r.cbSize) +
      ", hwnd=" + Hex(static_cast<std::uint32_t>(r.hWnd)) + ", id=" + std::to_string(r.uID) +
      ", flags=" + std::to_string(r.uFlags) + ", msg=" + std::to_string(r.uCallbackMessage) +
      ", icon=" + std::to_string(r.hIcon) + ", tip=" + std::string(r.szTip.data()) + ")");
  if (message == kNimModify) return tray_modify_succeeds;
  if (message == kNimAdd && tray_adds_to_fail > 0) {
    --tray_adds_to_fail;
    return false;
  }
  return true;
}

bool HeadlessPlatform::SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x,
                                    std::int32_t y, std::int32_t cx, std::int32_t cy,
                                    std::uint32_t flags) {
  calls.push_back("SetWindowPos(" + Hex(static_cast<std::uint32_t>(hwnd)) + ", " +
                  std::to_string(insert_after) + ", " + std::to_string(x) + ", " +
                  std::to_string(y) + ", " + std::to_string(cx) + ", " + std::to_string(cy) + ", " +
                  Hex(flags) + ")");
  return true;
}

std::int32_t HeadlessPlatform::GetForegroundWindow() {
  calls.emplace_back("GetForegroundWindow()");
  return foreground_window;
}

std::uint32_t HeadlessPlatform::GetWindowThreadProcessId(std::int32_t hwnd) {
  calls.push_back("GetWindowThreadProcessId(" + Hex(static_cast<std::uint32_t>(hwnd)) + ")");
  return foreground_thread;
}

std::uint32_t HeadlessPlatform::GetCurrentThreadId() {
  calls.emplace_back("GetCurrentThreadId()");
  return own_thread;
}

bool HeadlessPlatform::AttachThreadInput(std::uint32_t attach, std::uint32_t attach_to, bool on) {
  calls.push_back("AttachThreadInput(" + std::to_string(attach) + ", " + std::to_string(attach_to) +
                  ", " + (on ? "true" : "false") + ")");
  return true;
}

bool HeadlessPlatform::SetForegroundWindow(std::int32_t hwnd) {
  calls.push_back("SetForegroundWindow(" + Hex(static_cast<std::uint32_t>(hwnd)) + ")");
  return true;
}

void HeadlessPlatform::ShellExecute(std::int32_t owner, const std::string& file, int show_command) {
  calls.push_back("ShellExecute(" + Hex(static_cast<std::uint32_t>(owner)) + ", " + file + ", " +
                  std::to_string(show_command) + ")");
}

int HeadlessPlatform::MessageBox(const std::string& text, int style, const std::string& title) {
  calls.push_back("MessageBox(" + text + ", " + std::to_string(style) + ", " + title + ")");
  return kIdOk;
}

void HeadlessPlatform::PopupMenu(MenuItem& menu) {
  calls.push_back("PopupMenu(" + menu.Name() + ")");
  if (on_popup) on_popup(menu);
}

void HeadlessPlatform::ShowModal(Form& dialog, Form& owner) {
  calls.push_back("ShowModal(" + dialog.Name() + ", " + owner.Name() + ")");
  dialog.SetVisible(true);
  if (dialog.Activate) dialog.Activate();
  if (on_modal) on_modal(dialog);
}

void HeadlessPlatform::EndProgram() {
  calls.emplace_back("EndProgram()");
  ended = true;
}

std::optional<std::string> HeadlessPlatform::SetOn(bool on) {
  calls.push_back(std::string("SetOn(") + (on ? "true" : "false") + ")");
  if (login_failure) return login_failure;
  login_on = on;
  return std::nullopt;
}

}  // namespace ombrelk
