// The POSIX stand-in for a shell link: the desktop entry's exact text, quoting hostile bytes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "posix/posix_shell_links.h"

namespace porvan {
namespace {

TEST(PosixShellLinksTest, QuotesEachWordOfTheCommandLine) {
  struct {
    const char* name;
    TShellLinkFields link;
    std::string exec;
  } const cases[] = {
      {"plain",
       {"/opt/porvan/porvan", "/opt/porvan", "demo.example SSH true"},
       "\"/opt/porvan/porvan\" \"demo.example\" \"SSH\" \"true\""},
      {"reserved characters",
       {"/o p/$x`y\"\\z", "/o p", "100% a"},
       "\"/o p/\\\\$x\\\\`y\\\\\"\\\\\\\\z\" \"100%%\" \"a\""},
      {"line breaks cannot start a key",
       {"/p\nExec=evil", "/", "a\r\nb"},
       "\"/p Exec=evil\" \"a  b\""},
      {"Korean argument",
       {"/p", "/", "\xBD\xC7\xC7\xE0\xBE\xC8\xC7\xD4"},
       "\"/p\" \"\xEC\x8B\xA4\xED\x96\x89\xEC\x95\x88\xED\x95\xA8\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DesktopEntryText("Porvan - x", c.link),
              "[Desktop Entry]\nType=Application\nName=Porvan - x\nExec=" + c.exec +
                  "\nPath=" + c.link.WorkingDirectory.native() + "\n");
  }
}

TEST(PosixShellLinksTest, WritesAnExecutableLauncherNamedWithoutItsExtension) {
  char folderTemplate[] = "/tmp/porvan-links-XXXXXX";
  const std::string folder = ::mkdtemp(folderTemplate);
  struct {
    const char* name;
    std::string file;
  } const cases[] = {
      {"a launcher", "Porvan - demo.example.desktop"},
      {"a Windows link name", "Porvan - demo.example.lnk"},
  };
  const TShellLinkFields link{"/usr/bin/porvan", "/usr/bin", "demo.example FTP true"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder + "/" + c.file;
    EXPECT_TRUE(TPosixShellLinks().Write(path, link).Written());
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), DesktopEntryText("Porvan - demo.example", link));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    std::remove(path.c_str());
  }
  EXPECT_EQ(TPosixShellLinks().Write(folder + "/missing/Porvan - a.desktop", link).Failure,
            TLinkFailure::NotSaved);
  ::rmdir(folder.c_str());
}

}  // namespace
}  // namespace porvan
