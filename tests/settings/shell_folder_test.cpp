// GetShellFolder with the known desktop standing in, and the executable's folder.
#include <gtest/gtest.h>

#include <string>

#include "settings/executable_folder.h"
#include "settings/shell_folder.h"
#include "support/fake_shell.h"

namespace porvan {
namespace {

TEST(ShellFolderTest, ReadsTheRegistryAndEndsWithASeparator) {
  struct {
    const char* name;
    TShellFolderKind kind;
    std::map<std::string, std::string> registry;
    std::string known;
    std::string folder;
  } const cases[] = {
      {"desktop", TShellFolderKind::Desktop, {{"Desktop", "D:\\Desk"}}, "K:\\", "D:\\Desk\\"},
      {"separator kept", TShellFolderKind::Desktop, {{"Desktop", "D:\\Desk\\"}}, "", "D:\\Desk\\"},
      {"Korean folder",
       TShellFolderKind::Desktop,
       {{"Desktop", "D:\\\xB9\xD9"}},
       "",
       "D:\\\xB9\xD9\\"},
      {"POSIX folder", TShellFolderKind::Desktop, {}, "/home/kim/Desktop/", "/home/kim/Desktop/"},
      {"start menu", TShellFolderKind::StartMenu, {{"Start Menu", "S:"}}, "", "S:\\"},
      {"startup", TShellFolderKind::Startup, {{"Startup", "U:\\u"}}, "", "U:\\u\\"},
      {"desktop missing",
       TShellFolderKind::Desktop,
       {{"Startup", "U:"}},
       "K:\\Known",
       "K:\\Known\\"},
      {"desktop empty", TShellFolderKind::Desktop, {{"Desktop", ""}}, "K:\\Known", "K:\\Known\\"},
      {"no desktop anywhere", TShellFolderKind::Desktop, {}, "", ""},
      {"start menu missing", TShellFolderKind::StartMenu, {}, "K:\\Known", ""},
      {"kind none", TShellFolderKind::None, {{"Desktop", "D:\\"}}, "K:\\", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeShellFolders folders;
    folders.Registry = c.registry;
    folders.KnownDesktop = c.known;
    EXPECT_EQ(GetShellFolder(folders, c.kind), c.folder);
  }
}

TEST(ExecutableFolderTest, KeepsOnlyARootsSeparator) {
  struct {
    const char* path;
    const char* folder;
    const char* history;
  } const cases[] = {
      {"C:\\Porvan\\Porvan.exe", "C:\\Porvan", "C:\\Porvan\\history.txt"},
      {"C:\\Porvan.exe", "C:\\", "C:\\history.txt"},
      {"\\\\srv\\share\\Porvan.exe", "\\\\srv\\share", "\\\\srv\\share\\history.txt"},
      {"/opt/porvan/porvan", "/opt/porvan", "/opt/porvan\\history.txt"},
      {"/porvan", "/", "/history.txt"},
      {"Porvan.exe", "", "history.txt"},
      {"C:\\\xC6\xF7\\P.exe", "C:\\\xC6\xF7", "C:\\\xC6\xF7\\history.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ExecutableFolder(c.path), c.folder);
    EXPECT_EQ(PathInFolder(ExecutableFolder(c.path), "history.txt"), c.history);
  }
}

}  // namespace
}  // namespace porvan
