// The program-start seam on POSIX: a detached start with no arguments, and a refused start; the
// file opener and the web link, which hand their argument to the desktop's opener.
#include "posix/posix_program_launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "posix/posix_url_opener.h"

namespace porvan {
namespace {

std::string ReadFileWhenThere(const std::string& path) {
  for (int tries = 0; tries < 100; ++tries) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    if (text.str().find('\n') != std::string::npos) {
      return text.str();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return "<never written>";
}

// A folder of its own for a test's scripts and the files they write, removed with them.
class TScriptFolder {
 public:
  TScriptFolder() {
    char folderTemplate[] = "/tmp/porvan-launch-XXXXXX";
    folder_ = ::mkdtemp(folderTemplate);
  }
  TScriptFolder(const TScriptFolder&) = delete;
  TScriptFolder& operator=(const TScriptFolder&) = delete;
  ~TScriptFolder() { std::filesystem::remove_all(folder_); }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  // An executable file of that name holding `text`; its path.
  std::string Script(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name)) << text;
    ::chmod(Path(name).c_str(), 0755);
    return Path(name);
  }

  // Shell lines that wait until the test has made the file `released`, at most 20 s: a start
  // that waited for the program would come back only after that.
  std::string UntilReleased() const {
    return "i=0; while [ ! -e '" + Path("released") + "' ] && [ $i -lt 200 ]; do sleep 0.1; " +
           "i=$((i+1)); done\n";
  }
  void Release() const { std::ofstream{Path("released")}; }

 private:
  std::string folder_;
};

TEST(PosixProgramLauncherTest, StartsTheProgramWithoutArgumentsAndWithoutWaiting) {
  TScriptFolder folder;
  const std::string report = folder.Path("report.txt");
  const std::string script =
      folder.Script("client.sh", "#!/bin/sh\n" + folder.UntilReleased() + "echo \"$# $(pwd)\" > '" +
                                     report + "'\n");

  TPosixProgramLauncher launcher;
  EXPECT_TRUE(launcher.Open(script));
  EXPECT_FALSE(std::ifstream(report).good()) << "Open waited for the program to end";
  folder.Release();
  char current[4096] = {};
  ASSERT_NE(::getcwd(current, sizeof current), nullptr);
  EXPECT_EQ(ReadFileWhenThere(report), "0 " + std::string(current) + "\n");

  EXPECT_FALSE(launcher.Open(folder.Path("missing")));
  EXPECT_FALSE(launcher.Open(folder.Path("")));  // a directory is no program
}

// A downloaded file goes to the opener as its one argument; the file itself is never executed.
TEST(PosixProgramLauncherTest, FileOpenerHandsTheFileToTheOpenerWithoutRunningIt) {
  TScriptFolder folder;
  const std::string report = folder.Path("report.txt");
  const std::string opener =
      folder.Script("opener.sh", "#!/bin/sh\necho \"$#|$1\" > '" + report + "'\n");
  // Executable, and would leave its own mark if it were run.
  const std::string download =
      folder.Script("porvan setup.deb", "#!/bin/sh\necho ran > '" + report + "'\n");

  EXPECT_TRUE(TPosixFileOpener(opener).Open(download));
  EXPECT_EQ(ReadFileWhenThere(report), "1|" + download + "\n");
  EXPECT_FALSE(TPosixFileOpener(folder.Path("no-opener")).Open(download));
  EXPECT_FALSE(StartDetached({}));
}

// Some desktops' xdg-open runs the browser itself and returns once it is closed: the web link
// must not wait for that, or the program stops answering while the browser is open.
TEST(PosixProgramLauncherTest, UrlOpenerHandsTheAddressOnAndDoesNotWaitForTheBrowser) {
  TScriptFolder folder;
  const std::string report = folder.Path("report.txt");
  const std::string ended = folder.Path("ended.txt");
  const std::string opener =
      folder.Script("xdg-open", "#!/bin/sh\necho \"$#|$1\" > '" + report + "'\n" +
                                    folder.UntilReleased() + "echo ended > '" + ended + "'\n");

  EXPECT_TRUE(TPosixUrlOpener(opener).Open("http://www.example.com/a b?x=1&y=\"2\""));
  EXPECT_FALSE(std::ifstream(ended).good()) << "Open waited for the browser to close";
  EXPECT_EQ(ReadFileWhenThere(report), "1|http://www.example.com/a b?x=1&y=\"2\"\n");
  folder.Release();
  EXPECT_EQ(ReadFileWhenThere(ended), "ended\n");
  EXPECT_FALSE(TPosixUrlOpener(folder.Path("no-opener")).Open("http://www.example.com/"));
}

}  // namespace
}  // namespace porvan
