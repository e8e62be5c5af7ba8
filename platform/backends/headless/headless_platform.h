#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/backends/codepage/code_page_decoding.h"
#include "platform/backends/headless/collected_errors.h"
#include "platform/backends/stdfs/std_file_system.h"
#include "platform/runtime_values/twips.h"
#include "platform/services/services.h"

namespace ombrelk {

// A platform without a display. Every call the core makes is recorded in
// order, with its arguments, as one line of text in calls; the answers the
// core gets are fields a test sets beforehand.
class HeadlessPlatform : public Clock,
                         public TrayArea,
                         public WindowSystem,
                         public DesktopShell,
                         public Runtime,
                         public LoginStart {
 public:
  HeadlessPlatform();

  // The services to hand to a Program. files defaults to the real file system.
  Services services();
  void UseFileSystem(FileSystem& files) { files_ = &files; }

  // Recorded calls, oldest first.
  std::vector<std::string> calls;
  // What the program reported on its error sink.
  CollectedErrors errors;
  // The system's own code page converter, as the desktop programs have it.
  CodePageDecoding text;

  // Answers.
  std::chrono::year_month_day today{std::chrono::year{2000}, std::chrono::month{5},
                                    std::chrono::day{7}};
  bool tray_available = true;
  // How many icon adds fail from now on, as while the taskbar is starting,
  // and whether a modify succeeds then (the add went in after all).
  int tray_adds_to_fail = 0;
  bool tray_modify_succeeds = true;
  bool prev_instance = false;
  std::optional<std::int32_t> platform_id;  // none: not a Windows system
  float twips_per_pixel = kUsualTwipsPerPixel;
  std::int32_t foreground_window = 0x2222;
  std::uint32_t foreground_thread = 77;
  std::uint32_t own_thread = 11;
  bool ended = false;
  // Runs while a pop-up menu is open (for example, to choose an entry).
  std::function<void(MenuItem&)> on_popup;
  // Runs while a modal dialog is shown, after its activation.
  std::function<void(Form&)> on_modal;
  // Whether the login entry is there, and what making or removing it answers
  // (none: it succeeds).
  bool login_on = false;
  std::optional<std::string> login_failure;

  // Clock
  std::chrono::year_month_day Today() const override { return today; }
  std::string ShortDateText() const override;
  // TrayArea
  bool IsTrayAvailable() override { return tray_available; }
  bool Shell_NotifyIcon(int message, const TrayIconRecord& record) override;
  // WindowSystem
  bool SetWindowPos(std::int32_t hwnd, std::int32_t insert_after, std::int32_t x, std::int32_t y,
                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
  std::int32_t GetForegroundWindow() override;
  std::uint32_t GetWindowThreadProcessId(std::int32_t hwnd) override;
  std::uint32_t GetCurrentThreadId() override;
  bool AttachThreadInput(std::uint32_t attach, std::uint32_t attach_to, bool on) override;
  bool SetForegroundWindow(std::int32_t hwnd) override;
  float TwipsPerPixelX() override { return twips_per_pixel; }
  // DesktopShell
  void ShellExecute(std::int32_t owner, const std::string& file, int show_command) override;
  int MessageBox(const std::string& text, int style, const std::string& title) override;
  // Runtime
  void PopupMenu(MenuItem& menu) override;
  void ShowModal(Form& dialog, Form& owner) override;
  void DoEvents() override { calls.emplace_back("DoEvents()"); }
  void EndProgram() override;
  bool PrevInstance() override { return prev_instance; }
  std::optional<std::int32_t> GetPlatformId() override { return platform_id; }
  // LoginStart
  bool IsOn() override { return login_on; }
  std::optional<std::string> SetOn(bool on) override;

 private:
  StdFileSystem std_files_;
  FileSystem* files_ = &std_files_;
};

}  // namespace ombrelk
