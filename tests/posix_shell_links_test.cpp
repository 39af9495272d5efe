// The POSIX stand-in for a shell link: the desktop entry's exact text, quoting hostile bytes.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace porvan
