#include "platform/backends/qt/qt_login_start.h"

#include "platform/services/failure_reasons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace ombrelk {

namespace {

namespace fs = std::filesystem;

constexpr const char* kLauncherName = "ombrelk-launch";

// One argument of an Exec line: quoted where the desktop entry rules reserve
// a character, then escaped as any string value is, and % doubled since it
// starts a field code.
std::string ExecArgument(const std::string& arg) {
  const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string quoted = arg;
  if (arg.find_first_of(reserved) != std::string::npos) {
    quoted = "\"";
    for (const char c : arg) {
      if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
      quoted += c;
    }
    quoted += '"';
  }
  std::string value;
  for (const char c : quoted) {
    if (c == '\\') {
      value += "\\\\";
    } else if (c == '\n') {
      value += "\\n";
    } else if (c == '%') {
      value += "%%";
    } else {
      value += c;
    }
  }
  return value;
}

// The common reasons in the user's words, any other in the system's.
std::string ReasonText(const std::error_code& ec) {
  const std::error_condition condition = ec.default_error_condition();
  const std::string_view common =
      condition.category() == std::generic_category() ? CommonReasonText(condition.value()) : "";
  return common.empty() ? ec.message() : std::string(common);
}

std::string Failure(const fs::path& file, const std::string& reason) {
  return file.string() + "\n" + reason;
}

// Written beside the entry and renamed over it, so that the desktop never
// reads half an entry.
std::optional<std::string> WriteEntry(const fs::path& file, const std::string& text) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  if (ec) return Failure(file, ReasonText(ec));
  const fs::path part = fs::path(file).concat(".part");
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
      const std::error_code why(errno, std::generic_category());
      fs::remove(part, ec);
      return Failure(file, ReasonText(why));
    }
  }
  fs::rename(part, file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(part, ignored);
    return Failure(file, ReasonText(ec));
  }
  return std::nullopt;
}

}  // namespace

std::string AutostartEntryText(const fs::path& launcher) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Ombrelk\n"
         "Comment=A small desk calendar for the system tray\n"
         "Comment[ja]=タスクトレイに常駐する小さなカレンダー\n"
         "Exec=" +
         ExecArgument(launcher.string()) +
         "\n"
         "Icon=ombrelk\n"
         "Terminal=false\n"
         "X-GNOME-Autostart-enabled=true\n";
}

fs::path QtLoginStart::EntryFile() {
  // A relative XDG_CONFIG_HOME names no folder of the user and is ignored,
  // as desktops do.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  fs::path base = config != nullptr ? fs::path(config) : fs::path();
  if (!base.is_absolute()) base = fs::path(QDir::homePath().toStdString()) / ".config";
  return base / "autostart" / "ombrelk.desktop";
}

std::optional<fs::path> QtLoginStart::FindLauncher() const {
  // Beside the program first: the installed pair in one bin folder, or the
  // build folder's copy, which starts the program built with it.
  const fs::path dir = program_dir_.empty()
                           ? fs::path(QCoreApplication::applicationDirPath().toStdString())
                           : program_dir_;
  const QFileInfo beside(QString::fromStdString((dir / kLauncherName).string()));
  if (beside.isFile() && beside.isExecutable()) return beside.absoluteFilePath().toStdString();
  const QString on_path = QStandardPaths::findExecutable(QString::fromLatin1(kLauncherName));
  if (!on_path.isEmpty()) return QFileInfo(on_path).absoluteFilePath().toStdString();
  return std::nullopt;
}

bool QtLoginStart::IsOn() {
  std::error_code ec;
  return fs::exists(EntryFile(), ec);
}

std::optional<std::string> QtLoginStart::SetOn(bool on) {
  const fs::path file = EntryFile();
  if (!on) {
    std::error_code ec;
    fs::remove(file, ec);
    if (ec) return Failure(file, ReasonText(ec));
    return std::nullopt;
  }
  const std::optional<fs::path> launcher = FindLauncher();
  if (!launcher) {
    return Failure(file, std::string("起動用の ") + kLauncherName + " が見つかりません。");
  }
  return WriteEntry(file, AutostartEntryText(*launcher));
}

}  // namespace ombrelk
