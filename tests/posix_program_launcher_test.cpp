// The program-start seam on POSIX: a detached start with no arguments, and a refused start; the
// file opener and the web link, which hand their argument to the desktop's opener.
#include "posix/posix_program_launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
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

TEST(PosixProgramLauncherTest, StartsTheProgramWithoutArgumentsAndWithoutWaiting) {
  char folderTemplate[] = "/tmp/porvan-launch-XXXXXX";
  const std::string folder = ::mkdtemp(folderTemplate);
  const std::string script = folder + "/client.sh";
  const std::string report = folder + "/report.txt";
  {
    std::ofstream out(script);
    // Sleeps first: Open must not wait for the program to end.
    out << "#!/bin/sh\nsleep 0.3\necho \"$# $(pwd)\" > '" << report << "'\n";
  }
  ::chmod(script.c_str(), 0755);

  TPosixProgramLauncher launcher;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(launcher.Open(script));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
  char current[4096] = {};
  ASSERT_NE(::getcwd(current, sizeof current), nullptr);
  EXPECT_EQ(ReadFileWhenThere(report), "0 " + std::string(current) + "\n");

  EXPECT_FALSE(launcher.Open(folder + "/missing"));
  EXPECT_FALSE(launcher.Open(folder));  // a directory is no program
  std::remove(report.c_str());
  std::remove(script.c_str());
  ::rmdir(folder.c_str());
}

// A downloaded file goes to the opener as its one argument; the file itself is never executed.
TEST(PosixProgramLauncherTest, FileOpenerHandsTheFileToTheOpenerWithoutRunningIt) {
  char folderTemplate[] = "/tmp/porvan-open-XXXXXX";
  const std::string folder = ::mkdtemp(folderTemplate);
  const std::string opener = folder + "/opener.sh";
  const std::string download = folder + "/porvan setup.deb";
  const std::string report = folder + "/report.txt";
  {
    std::ofstream out(opener);
    out << "#!/bin/sh\necho \"$#|$1\" > '" << report << "'\n";
  }
  {
    // Executable, and would leave its own mark if it were run.
    std::ofstream out(download);
    out << "#!/bin/sh\necho ran > '" << report << "'\n";
  }
  ::chmod(opener.c_str(), 0755);
  ::chmod(download.c_str(), 0755);

  EXPECT_TRUE(TPosixFileOpener(opener).Open(download));
  EXPECT_EQ(ReadFileWhenThere(report), "1|" + download + "\n");
  EXPECT_FALSE(TPosixFileOpener(folder + "/no-opener").Open(download));
  EXPECT_FALSE(StartDetached({}));
  for (const std::string& file : {report, download, opener}) {
    std::remove(file.c_str());
  }
  ::rmdir(folder.c_str());
}

// Some desktops' xdg-open runs the browser itself and returns once it is closed: the web link
// must not wait for that, or the program stops answering while the browser is open.
TEST(PosixProgramLauncherTest, UrlOpenerHandsTheAddressOnAndDoesNotWaitForTheBrowser) {
  char folderTemplate[] = "/tmp/porvan-url-XXXXXX";
  const std::string folder = ::mkdtemp(folderTemplate);
  const std::string opener = folder + "/xdg-open";
  const std::string report = folder + "/report.txt";
  const std::string closed = folder + "/browser-closed";
  const std::string ended = folder + "/ended.txt";
  {
    // Stays until the test closes the browser, at most 20 s.
    std::ofstream out(opener);
    out << "#!/bin/sh\necho \"$#|$1\" > '" << report << "'\n"
        << "i=0; while [ ! -e '" << closed << "' ] && [ $i -lt 200 ]; do sleep 0.1; i=$((i+1)); "
        << "done\necho ended > '" << ended << "'\n";
  }
  ::chmod(opener.c_str(), 0755);

  EXPECT_TRUE(TPosixUrlOpener(opener).Open("http://www.example.com/a b?x=1&y=\"2\""));
  EXPECT_FALSE(std::ifstream(ended).good()) << "Open waited for the browser to close";
  EXPECT_EQ(ReadFileWhenThere(report), "1|http://www.example.com/a b?x=1&y=\"2\"\n");
  std::ofstream{closed};
  EXPECT_EQ(ReadFileWhenThere(ended), "ended\n");
  EXPECT_FALSE(TPosixUrlOpener(folder + "/no-opener").Open("http://www.example.com/"));
  for (const std::string& file : {report, closed, ended, opener}) {
    std::remove(file.c_str());
  }
  ::rmdir(folder.c_str());
}

}  // namespace
}  // namespace porvan
