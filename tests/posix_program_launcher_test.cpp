// The program-start seam on POSIX: a detached start with no arguments, and a refused start.
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

}  // namespace
}  // namespace porvan
