// The shell seams on Windows: links written and read back through IShellLinkW, the registry's
// shell folders with the known desktop standing in, and a refused save.
#include <gtest/gtest.h>
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "common/code_page.h"
#include "common/path_text.h"
#include "platform/desktop_conventions.h"
#include "settings/executable_folder.h"
#include "settings/shell_folder.h"
#include "settings/shortcut.h"
#include "support/fake_platform.h"
#include "support/foreign_names.h"
#include "win32/com_apartment.h"
#include "win32/registry_key.h"
#include "win32/wide_text.h"
#include "win32/win32_process_info.h"
#include "win32/win32_shell_folders.h"
#include "win32/win32_shell_links.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using Microsoft::WRL::ComPtr;
using testing::TTempFolder;

// A link file's fields as IShellLinkW reads them back. The target is read from the link's item
// list, which the shell starts: Wine's GetPath answers from the link's ANSI copy of the path,
// with "?" for each character the ANSI code page lacks.
struct TReadLink {
  bool Loaded = false;
  std::wstring Target;
  std::wstring Arguments;
  std::wstring WorkingDirectory;
};

TReadLink ReadLink(const std::wstring& path) {
  TComApartment apartment;
  TReadLink link;
  ComPtr<IShellLinkW> shellLink;
  ComPtr<IPersistFile> persistFile;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(shellLink.GetAddressOf()))) ||
      FAILED(shellLink.As(&persistFile)) || FAILED(persistFile->Load(path.c_str(), STGM_READ))) {
    return link;
  }
  wchar_t text[MAX_PATH * 2] = {};
  link.Loaded = true;
  PIDLIST_ABSOLUTE items = nullptr;
  if (SUCCEEDED(shellLink->GetIDList(&items)) && items != nullptr) {
    if (SHGetPathFromIDListW(items, text)) {
      link.Target = text;
    }
    CoTaskMemFree(items);
  }
  shellLink->GetArguments(text, MAX_PATH * 2);
  link.Arguments = text;
  shellLink->GetWorkingDirectory(text, MAX_PATH * 2);
  link.WorkingDirectory = text;
  return link;
}

// A key of the test's own in place of the Explorer key, removed at the end.
class TTestExplorerKey {
 public:
  TTestExplorerKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kPath); }
  ~TTestExplorerKey() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PorvanTest"); }
  static constexpr const wchar_t* kPath = L"Software\\PorvanTest\\Explorer";

  // Stores `folder` as the shell folder "Desktop".
  void SetDesktop(const std::wstring& folder) {
    TRegistryKey shellFolders;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kPath) + L"\\Shell Folders").c_str(),
                              0, nullptr, 0, KEY_ALL_ACCESS, nullptr, shellFolders.put(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(shellFolders.get(), L"Desktop", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  }
};

TEST(ShellSeamsTest, ADesktopShortcutReadsBackWithItsArguments) {
  TWin32ShellFolders folders;
  TWin32ShellLinks links;
  const TPath desktop = GetShellFolder(folders, TShellFolderKind::Desktop);
  ASSERT_EQ(desktop.native(), L"C:\\users\\root\\Desktop\\");
  const TPath executable = TWin32ProcessInfo().ExecutablePath();
  const TPath linkPath = PathInFolder(
      desktop,
      PathFromCp949(ShortcutFileName("demo.example", TDesktopConventions{}.ShortcutExtension)));

  const TLinkWriteResult result = links.Write(
      linkPath,
      {executable, ExecutableFolder(executable), ShortcutArguments("demo.example", "SSH", true)});
  ASSERT_TRUE(result.Written()) << result.SystemMessage;
  const TReadLink link = ReadLink(linkPath.native());
  DeleteFileW(linkPath.c_str());

  ASSERT_TRUE(link.Loaded);
  EXPECT_EQ(link.Target, executable.native());
  EXPECT_EQ(link.Arguments, L"demo.example SSH true");
  EXPECT_EQ(link.WorkingDirectory, ExecutableFolder(executable).native());
}

// A desktop and a program folder whose names CP949 cannot hold; the domain is Korean, so the
// link's name and arguments pass through CP949 and must come out as they went in.
TEST(ShellSeamsTest, ALinkOnAForeignDesktopReadsBackExactly) {
  const std::wstring foreign = PathFromUtf8(testing::kForeignFolderName).native();
  TTempFolder desktop(L"desktop " + foreign);
  TTempFolder program(L"program " + foreign);
  TTestExplorerKey key;
  key.SetDesktop(desktop.Path());
  TWin32ShellFolders folders(TTestExplorerKey::kPath);
  TWin32ShellLinks links;
  testing::TFakePlatform fake;
  TPlatform platform{fake.Files,    fake.Process,    fake.Version,   fake.Messages,
                     *fake.Sockets, fake.Network,    fake.Launcher,  folders,
                     links,         fake.OpenDialog, fake.Urls,      fake.UrlTransfer,
                     fake.TempPath, fake.Signatures, fake.Instances, fake.Waits};
  const TPath target(program.Path() + L"Porvan.exe");
  const std::string domain = Utf8ToCp949("한국.kr");

  ASSERT_TRUE(CreateShortcut(platform, TShellFolderKind::Desktop,
                             ShortcutFileName(domain, TDesktopConventions{}.ShortcutExtension),
                             target, ExecutableFolder(target),
                             ShortcutArguments(domain, "FTP", false)));

  const TReadLink link = ReadLink(desktop.Path() + L"Porvan - \uD55C\uAD6D.kr.lnk");
  ASSERT_TRUE(link.Loaded);
  EXPECT_EQ(link.Target, program.Path() + L"Porvan.exe");
  EXPECT_EQ(link.Arguments, L"\uD55C\uAD6D.kr FTP false");
  std::wstring folder = program.Path();
  folder.pop_back();  // the working folder has no trailing "\"
  EXPECT_EQ(link.WorkingDirectory, folder);
  EXPECT_TRUE(fake.Messages.Shown.empty());
}

TEST(ShellSeamsTest, TheLinksFileNameIsConvertedFromCp949) {
  TTempFolder folder(L"porvan-link");
  TWin32ShellLinks links;
  // "Porvan - 한국.kr.lnk"
  const TPath linkPath =
      PathInFolder(folder.Path(), PathFromCp949("Porvan - \xC7\xD1\xB1\xB9.kr.lnk"));
  ASSERT_TRUE(
      links.Write(linkPath, {"C:\\windows\\notepad.exe", "C:\\windows", "a FTP false"}).Written());
  const TReadLink link = ReadLink(folder.Path() + L"Porvan - \uD55C\uAD6D.kr.lnk");
  EXPECT_TRUE(link.Loaded);
  EXPECT_EQ(link.Arguments, L"a FTP false");
  EXPECT_EQ(link.WorkingDirectory, L"C:\\windows");
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
  EXPECT_EQ(folders.RegistryShellFolder("Desktop").native(), L"");
  EXPECT_EQ(folders.KnownDesktopFolder().native(), L"C:\\users\\root\\Desktop");
  EXPECT_EQ(GetShellFolder(folders, TShellFolderKind::Desktop).native(),
            L"C:\\users\\root\\Desktop\\");
  EXPECT_EQ(GetShellFolder(folders, TShellFolderKind::StartMenu).native(), L"");

  // A stored value wins, and gets its separator.
  key.SetDesktop(L"D:\\\uBC14\uD0D5");  // D:\바탕
  EXPECT_EQ(GetShellFolder(folders, TShellFolderKind::Desktop).native(), L"D:\\\uBC14\uD0D5\\");
}

TEST(ShellSeamsTest, TheUsersRegistryNamesTheDesktop) {
  TWin32ShellFolders folders;
  EXPECT_EQ(folders.RegistryShellFolder("Desktop").native(), L"C:\\users\\root\\Desktop");
  EXPECT_EQ(folders.RegistryShellFolder("No Such Folder").native(), L"");
}

}  // namespace
}  // namespace porvan
