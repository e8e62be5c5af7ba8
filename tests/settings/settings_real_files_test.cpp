// The settings file on the real file system as users have it: a folder they
// may not write into, a file kept elsewhere behind a link, strict permissions,
// backups that cannot be made, a full disk, and a save killed at any point.
// Permissions do not bind root, so each case runs in a child process as an
// unprivileged user. Linux only: the other tests stay free of POSIX.

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "headless_run.h"
#include "settings/settings_fixtures.h"

namespace ombrelk {
namespace {

namespace fs = std::filesystem;
using testing::Crlf;
using testing::ExampleFile;
using testing::FileNames;
using testing::HeadlessRun;
using testing::kDefaultHolidayLine;
using testing::ReadFileBytes;
using testing::Saved;

// Runs body in a child process; returns what it reported (empty when all
// held) and how the child ended if not normally.
std::string InChild(const std::function<std::string()>& body) {
  std::array<int, 2> pipe_fds{};
  if (::pipe(pipe_fds.data()) != 0) return "pipe failed";
  const pid_t pid = ::fork();
  if (pid < 0) return "fork failed";
  if (pid == 0) {
    ::close(pipe_fds[0]);
    const std::string report = body();
    [[maybe_unused]] const ssize_t n = ::write(pipe_fds[1], report.data(), report.size());
    ::_exit(0);
  }
  ::close(pipe_fds[1]);
  std::string report;
  std::array<char, 512> buffer{};
  ssize_t n = 0;
  while ((n = ::read(pipe_fds[0], buffer.data(), buffer.size())) > 0)
    report.append(buffer.data(), static_cast<std::size_t>(n));
  ::close(pipe_fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status))
    report += " [the child died of signal " + std::to_string(WTERMSIG(status)) + "]";
  return report;
}

// Leaves root for the user nobody (65534) and proves that permissions bind
// now; returns why not, so that the case fails instead of passing untested.
std::string BecomeUnprivileged() {
  constexpr uid_t kNobody = 65534;
  if (::geteuid() == 0 &&
      (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
       ::setresuid(kNobody, kNobody, kNobody) != 0))
    return std::string("cannot leave root: ") + std::strerror(errno);
  // The checkout's folder may be closed to this user; /tmp is not.
  ::setenv("TMPDIR", "/tmp", 1);
  std::string dir = "/tmp/ombrelk-probe-XXXXXX";
  if (::mkdtemp(dir.data()) == nullptr)
    return std::string("no folder in /tmp: ") + std::strerror(errno);
  ::chmod(dir.c_str(), 0555);
  const std::string probe = dir + "/probe";
  const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY, 0600);
  if (fd >= 0) {
    ::close(fd);
    ::unlink(probe.c_str());
  }
  ::rmdir(dir.c_str());
  if (fd >= 0) return "permissions do not bind user " + std::to_string(::geteuid());
  return {};
}

// Reads a file this user owns whatever its permissions.
std::string ReadOwnFile(const fs::path& path) {
  ::chmod(path.c_str(), 0600);
  return ReadFileBytes(path);
}

const std::string kUnreadable = Crlf({"MODE_SHOW:?"});
const std::string kExampleOnThursday =
    Saved{"1800", "9000", "Thursday", kDefaultHolidayLine, "1", "0", "0"}.Text();
const std::string kDefaultsOnThursday = Saved{.weekday = "Thursday"}.Text();

void ChangeMode(const fs::path& path, mode_t mode) {
  ::chmod(path.c_str(), mode);
}

// Start, Thursday as first weekday, exit; in each set-up, as an unprivileged user.
TEST(SettingsOnRealFiles, EverySetUpKeepsTheUsersFile) {
  const struct {
    const char* name;
    std::optional<std::string> file;               // none: no settings file
    std::function<void(const fs::path&)> arrange;  // the folder, once the file is there
    std::string saved;               // the file's bytes after the exit, through a link
    std::vector<std::string> names;  // the folder's names after the exit
    std::string backup{};            // the name that holds the old bytes
    std::string error{};             // what the exit's one error line says
    mode_t mode = 0;                 // the file's permissions after the exit
  } rows[] = {
      {"a folder the user may not write into",
       ExampleFile(),
       [](const fs::path& dir) { ChangeMode(dir, 0555); },
       kExampleOnThursday,
       {"Ombrelk.ini"}},
      {"a link to a file kept elsewhere",
       ExampleFile(),
       [](const fs::path& dir) {
         fs::create_directory(dir / "dotfiles");
         fs::rename(dir / "Ombrelk.ini", dir / "dotfiles" / "Ombrelk.ini");
         fs::create_symlink("dotfiles/Ombrelk.ini", dir / "Ombrelk.ini");
       },
       kExampleOnThursday,
       {"Ombrelk.ini", "dotfiles"}},
      {"an absolute link to a file not made yet",
       std::nullopt,
       [](const fs::path& dir) {
         fs::create_directory(dir / "dotfiles");
         fs::create_symlink(dir / "dotfiles" / "Ombrelk.ini", dir / "Ombrelk.ini");
       },
       kDefaultsOnThursday,
       {"Ombrelk.ini", "dotfiles"}},
      {"a file only its owner may read",
       ExampleFile(),
       [](const fs::path& dir) { ChangeMode(dir / "Ombrelk.ini", 0600); },
       kExampleOnThursday,
       {"Ombrelk.ini"},
       "",
       "",
       0600},
      {"a new file",
       std::nullopt,
       [](const fs::path&) { ::umask(027); },
       kDefaultsOnThursday,
       {"Ombrelk.ini"},
       "",
       "",
       0640},
      {"Ombrelk.ini.bak is a folder",
       kUnreadable,
       [](const fs::path& dir) { fs::create_directory(dir / "Ombrelk.ini.bak"); },
       kDefaultsOnThursday,
       {"Ombrelk.ini", "Ombrelk.ini.bak", "Ombrelk.ini.bak1"},
       "Ombrelk.ini.bak1",
       ""},
      {"no backup can be made",
       kUnreadable,
       [](const fs::path& dir) { ChangeMode(dir, 0555); },
       kUnreadable,
       {"Ombrelk.ini"},
       "",
       "no backup of it could be made (Permission denied)"},
      {"a file that cannot be opened",
       ExampleFile(),
       [](const fs::path& dir) { ChangeMode(dir / "Ombrelk.ini", 0); },
       kDefaultsOnThursday,
       {"Ombrelk.ini", "Ombrelk.ini.bak"},
       "Ombrelk.ini.bak"},
      {"a file that can be neither opened nor moved",
       ExampleFile(),
       [](const fs::path& dir) {
         ChangeMode(dir / "Ombrelk.ini", 0);
         ChangeMode(dir, 0555);
       },
       ExampleFile(),
       {"Ombrelk.ini"},
       "",
       "no backup of it could be made (Permission denied)"},
      {"a full disk",
       ExampleFile(),
       [](const fs::path& /*dir*/) {
         const rlimit limit{100, 100};
         ::setrlimit(RLIMIT_FSIZE, &limit);
         ::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails with EFBIG instead
       },
       ExampleFile(),
       {"Ombrelk.ini"},
       "",
       "File too large"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(
        InChild([&r]() -> std::string {
          if (std::string why = BecomeUnprivileged(); !why.empty()) return why;
          HeadlessRun run;
          const fs::path& dir = run.dir.path();
          if (r.file) run.WriteSettings(*r.file);
          r.arrange(dir);
          Program& p = run.Start();
          p.frmMain.cboWDay.SetListIndex(4);
          p.frmMain.mnuEnd.Click();

          std::string failed;
          const std::string errors = run.platform.errors.str();
          const bool one_line = std::count(errors.begin(), errors.end(), '\n') == 1;
          if (r.error.empty() ? !errors.empty() : !one_line || errors.find(r.error) == errors.npos)
            failed += "errors: " + errors + "\n";
          const fs::path file = fs::canonical(dir / "Ombrelk.ini");
          struct stat st {};
          ::stat(file.c_str(), &st);
          if (r.mode != 0 && (st.st_mode & 07777) != r.mode) failed += "mode changed\n";
          if (r.names.size() > 1 && r.names[1] == "dotfiles" &&
              !fs::is_symlink(dir / "Ombrelk.ini"))
            failed += "the link was replaced\n";
          ChangeMode(dir, 0755);
          if (FileNames(dir) != r.names) failed += "other names in the folder\n";
          if (ReadOwnFile(file) != r.saved) failed += "saved: " + ReadOwnFile(file) + "\n";
          if (!r.backup.empty() && ReadOwnFile(dir / r.backup) != *r.file)
            failed += "the backup lost the old bytes\n";
          return failed;
        }),
        "");
  }
}

// The real file system, killing its own process at its n-th operation.
class KillingFileSystem : public StdFileSystem {
 public:
  explicit KillingFileSystem(int n) : left_(n) {}
  void Step() {
    if (--left_ == 0) ::raise(SIGKILL);
  }
  ReadResult ReadAll(const FilePath& path) override {
    Step();
    return StdFileSystem::ReadAll(path);
  }
  FilePath ResolveLinks(const FilePath& path) override {
    Step();
    return StdFileSystem::ResolveLinks(path);
  }
  OpenedFile CreateTemporary(const FilePath& target) override {
    Step();
    return Killing(StdFileSystem::CreateTemporary(target));
  }
  OpenedFile OpenInPlace(const FilePath& path) override {
    Step();
    return Killing(StdFileSystem::OpenInPlace(path));
  }
  IoResult Rename(const FilePath& from, const FilePath& to) override {
    Step();
    return StdFileSystem::Rename(from, to);
  }
  IoResult SyncFolder(const FilePath& folder) override {
    Step();
    return StdFileSystem::SyncFolder(folder);
  }

 private:
  class File : public WritableFile {
   public:
    File(KillingFileSystem& fs, std::unique_ptr<WritableFile> real)
        : fs_(fs), real_(std::move(real)) {}
    IoResult Reserve(std::size_t length) override { return (fs_.Step(), real_->Reserve(length)); }
    IoResult Write(std::string_view data) override { return (fs_.Step(), real_->Write(data)); }
    IoResult Truncate(std::size_t length) override { return (fs_.Step(), real_->Truncate(length)); }
    IoResult Sync() override { return (fs_.Step(), real_->Sync()); }
    IoResult Close() override { return (fs_.Step(), real_->Close()); }

   private:
    KillingFileSystem& fs_;
    std::unique_ptr<WritableFile> real_;
  };
  OpenedFile Killing(OpenedFile opened) {
    if (opened.file) opened.file = std::make_unique<File>(*this, std::move(opened.file));
    return opened;
  }
  int left_;
};

// Killed before any step of start-up and exit, the file is the old one or the
// new one, whole; the run that is not killed leaves the new one.
TEST(SettingsOnRealFiles, ASaveKilledAtAnyPointLeavesTheOldOrTheNewFile) {
  HeadlessRun run;
  for (int n = 1;; ++n) {
    SCOPED_TRACE(n);
    run.WriteSettings(ExampleFile());
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      KillingFileSystem files(n);
      run.platform.UseFileSystem(files);
      Program& p = run.Start();
      p.frmMain.cboWDay.SetListIndex(4);
      p.frmMain.mnuEnd.Click();
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const std::string file = run.ReadSettings();
    EXPECT_TRUE(file == ExampleFile() || file == kExampleOnThursday) << file;
    if (WIFEXITED(status)) {
      EXPECT_EQ(file, kExampleOnThursday);
      EXPECT_GT(n, 5);  // it was killed at each step before
      break;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  }
}

}  // namespace
}  // namespace ombrelk
