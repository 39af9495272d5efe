// The shell seams on Windows: links written and read back through IShellLinkA, the registry's
// shell folders with the known desktop standing in, and a refused save.
#include <gtest/gtest.h>
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "platform/desktop_conventions.h"
#include "settings/executable_folder.h"
#include "settings/shell_folder.h"
#include "settings/shortcut.h"
#include "win32/com_apartment.h"
#include "win32/registry_key.h"
#include "win32/wide_text.h"
#include "win32/win32_process_info.h"
#include "win32/win32_shell_folders.h"
#include "win32/win32_shell_links.h"
#include "wine/wine_support.h"

namespace porvan {
namespace {

using Microsoft::WRL::ComPtr;
using testing::TTempFolder;

// A link file's fields as IShellLinkA reads them back.
struct TReadLink {
  bool Loaded = false;
  std::string Target;
  std::string Arguments;
  std::string WorkingDirectory;
};

TReadLink ReadLink(const std::wstring& path) {
  TComApartment apartment;
  TReadLink link;
  ComPtr<IShellLinkA> shellLink;
  ComPtr<IPersistFile> persistFile;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(shellLink.GetAddressOf()))) ||
      FAILED(shellLink.As(&persistFile)) || FAILED(persistFile->Load(path.c_str(), STGM_READ))) {
    return link;
  }
  char text[MAX_PATH * 2] = {};
  link.Loaded = true;
  shellLink->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
  link.Target = text;
  shellLink->GetArguments(text, sizeof text);
  link.Arguments = text;
  shellLink->GetWorkingDirectory(text, sizeof text);
  link.WorkingDirectory = text;
  return link;
}

// A key of the test's own in place of the Explorer key, removed at the end.
class TTestExplorerKey {
 public:
  TTestExplorerKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kPath); }
  ~TTestExplorerKey() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PorvanTest"); }
  static constexpr const wchar_t* kPath = L"Software\\PorvanTest\\Explorer";
};

TEST(ShellSeamsTest, ADesktopShortcutReadsBackWithItsArguments) {
  TWin32ShellFolders folders;
  TWin32ShellLinks links;
  const std::string desktop = GetShellFolder(folders, TShellFolderKind::Desktop);
  ASSERT_EQ(desktop, "C:\\users\\root\\Desktop\\");
  const std::string executable = TWin32ProcessInfo().ExecutablePath();
  const std::string linkPath =
      desktop + ShortcutFileName("demo.example", TDesktopConventions{}.ShortcutExtension);

  const TLinkWriteResult result = links.Write(
      linkPath,
      {executable, ExecutableFolder(executable), ShortcutArguments("demo.example", "SSH", true)});
  ASSERT_TRUE(result.Written()) << result.SystemMessage;
  const TReadLink link = ReadLink(Wide(linkPath));
  DeleteFileW(Wide(linkPath).c_str());

  ASSERT_TRUE(link.Loaded);
  EXPECT_EQ(link.Target, executable);
  EXPECT_EQ(link.Arguments, "demo.example SSH true");
  EXPECT_EQ(link.WorkingDirectory, ExecutableFolder(executable));
}

TEST(ShellSeamsTest, TheLinksFileNameIsConvertedFromCp949) {
  TTempFolder folder(L"porvan-link");
  TWin32ShellLinks links;
  // "Porvan - 한국.kr.lnk"
  const std::string linkPath = Narrow(folder.Path()) + "Porvan - \xC7\xD1\xB1\xB9.kr.lnk";
  ASSERT_TRUE(
      links.Write(linkPath, {"C:\\windows\\notepad.exe", "C:\\windows", "a FTP false"}).Written());
  const TReadLink link = ReadLink(folder.Path() + L"Porvan - \uD55C\uAD6D.kr.lnk");
  EXPECT_TRUE(link.Loaded);
  EXPECT_EQ(link.Arguments, "a FTP false");
  EXPECT_EQ(link.WorkingDirectory, "C:\\windows");
}

TEST(ShellSeamsTest, ALinkThatCannotBeSavedSaysSo) {
  TWin32ShellLinks links;
  const TLinkWriteResult result =
      links.Write("C:\\no-such-folder-porvan\\Porvan - x.lnk", {"C:\\a.exe", "C:\\", "x"});
  EXPECT_EQ(result.Failure, TLinkFailure::NotSaved);
  EXPECT_EQ(testing::ReadWholeFile(L"C:\\no-such-folder-porvan\\Porvan - x.lnk"), "<missing>");
}

TEST(ShellSeamsTest, TheKnownDesktopStandsInForAMissingRegistryValue) {
  TTestExplorerKey key;
  TWin32ShellFolders folders(TTestExplorerKey::kPath);
  EXPECT_EQ(folders.RegistryShellFolder("Desktop"), "");
  EXPECT_EQ(folders.KnownDesktopFolder(), "C:\\users\\root\\Desktop");
  EXPECT_EQ(GetShellFolder(folders, TShellFolderKind::Desktop), "C:\\users\\root\\Desktop\\");
  EXPECT_EQ(GetShellFolder(folders, TShellFolderKind::StartMenu), "");

  // A stored value wins, and gets its separator.
  TRegistryKey shellFolders;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER,
                            (std::wstring(TTestExplorerKey::kPath) + L"\\Shell Folders").c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, shellFolders.put(), nullptr),
            ERROR_SUCCESS);
  const std::wstring value = L"D:\\\uBC14\uD0D5";  // D:\바탕
  RegSetValueExW(shellFolders.get(), L"Desktop", 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  EXPECT_EQ(GetShellFolder(folders, TShellFolderKind::Desktop), "D:\\\xB9\xD9\xC5\xC1\\");
}

TEST(ShellSeamsTest, TheUsersRegistryNamesTheDesktop) {
  TWin32ShellFolders folders;
  EXPECT_EQ(folders.RegistryShellFolder("Desktop"), "C:\\users\\root\\Desktop");
  EXPECT_EQ(folders.RegistryShellFolder("No Such Folder"), "");
}

}  // namespace
}  // namespace porvan
