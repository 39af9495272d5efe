// The desktop folder on POSIX: the environment first, then the user-dirs file through
// xdg-user-dir, then ~/Desktop; a folder that is not there is no desktop.
#include "posix/posix_shell_folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "common/path_text.h"

namespace porvan {
namespace {

// Sets an environment variable for the test's length (unset when `value` is null).
class TScopedEnvironment {
 public:
  TScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
    }
    Set(value);
  }
  ~TScopedEnvironment() { Set(old_ ? old_->c_str() : nullptr); }
  TScopedEnvironment(const TScopedEnvironment&) = delete;
  TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;

 private:
  void Set(const char* value) {
    if (value == nullptr) {
      ::unsetenv(name_);
    } else {
      ::setenv(name_, value, 1);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PosixShellFoldersTest, DesktopComesFromTheEnvironmentTheUserDirsOrHome) {
  char folderTemplate[] = "/tmp/porvan-home-XXXXXX";
  const std::string home = ::mkdtemp(folderTemplate);
  const std::string korean =
      home + "/\xEB\xB0\x94\xED\x83\x95\xED\x99\x94\xEB\xA9\xB4";  // 바탕화면
  const std::string plain = home + "/Desktop";
  const std::string other = home + "/other";
  for (const std::string& folder : {home + "/cfg", korean, plain, other}) {
    ::mkdir(folder.c_str(), 0700);
  }
  {
    std::ofstream dirs(home + "/cfg/user-dirs.dirs");
    dirs << "XDG_DESKTOP_DIR=\"$HOME/\xEB\xB0\x94\xED\x83\x95\xED\x99\x94\xEB\xA9\xB4\"\n";
  }
  struct {
    const char* name;
    const char* desktopVariable;
    bool userDirs;
    std::string desktop;
  } const cases[] = {
      {"the variable wins", other.c_str(), true, other + "/"},
      {"the user-dirs file", nullptr, true, korean + "/"},
      {"home's Desktop without either", nullptr, false, plain + "/"},
      {"a missing folder is none", "/nonexistent/porvan", true, ""},
  };
  const TScopedEnvironment homeVariable("HOME", home.c_str());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TScopedEnvironment desktop("XDG_DESKTOP_DIR", c.desktopVariable);
    const std::string config = c.userDirs ? home + "/cfg" : home + "/none";
    const TScopedEnvironment configHome("XDG_CONFIG_HOME", config.c_str());
    // The path keeps the bytes the file system holds: UTF-8 here.
    EXPECT_EQ(PathToUtf8(TPosixShellFolders().KnownDesktopFolder()), c.desktop);
  }
  std::remove((home + "/cfg/user-dirs.dirs").c_str());
  for (const std::string& folder : {home + "/cfg", korean, plain, other, home}) {
    ::rmdir(folder.c_str());
  }
}

}  // namespace
}  // namespace porvan
