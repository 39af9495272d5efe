// Porvan.exe as a whole: a first run writes its defaults; an unwritable file ends it with an error;
// the system libraries of later work, the themed controls among them, are loaded when that work
// needs them.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/notice.h"
#include "support/loopback_server.h"
#include "support/server_session.h"
#include "win32/view/window.h"
#include "win32/wide_text.h"
#include "win32/wine_support.h"

namespace porvan {
namespace {

using testing::TTempFolder;

// A copy of Porvan.exe in a folder of its own, so its settings file is a fresh one.
struct TPorvanCopy {
  TTempFolder folder{L"porvan-exe"};
  std::wstring exe;
  explicit TPorvanCopy(const std::wstring& name = L"Porvan") : exe(folder.Path() + name + L".exe") {
    CopyFileW(testing::PorvanExePath().c_str(), exe.c_str(), FALSE);
  }
};

TEST(PorvanExeTest, AFirstRunWritesTheProgramDefaults) {
  // Only the server is set beforehand, on loopback, so the start-up asks nothing elsewhere.
  testing::TLoopbackServer server({{testing::HttpReply("127.0.0.1")}, {testing::HttpReply("OK")}});
  TPorvanCopy copy;
  const std::string serverLine = "ServerURL=" + server.Url("/porvan.php") + "\r\n";
  testing::WriteWholeFile(copy.folder.Path() + L"Porvan.ini", "[config]\r\n" + serverLine);
  testing::TProcess porvan(copy.exe, L"", copy.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND window = testing::WaitForWindow(L"TfmMain", nullptr, 20000);
  ASSERT_NE(window, nullptr);
  for (int waited = 0; server.Requests().size() < 2 && waited < 20000; waited += 50) {
    Sleep(50);
  }
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  EXPECT_EQ(Narrow(title), Utf8ToCp949(kApplicationTitle));
  EXPECT_EQ(testing::ReadWholeFile(copy.folder.Path() + L"Porvan.ini"),
            "[config]\r\n" + serverLine +
                "FTPPath=.\\FileZilla\\filezilla.exe\r\nSSHPath=.\\PuTTY\\putty.exe\r\n");
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 0u);
}

TEST(PorvanExeTest, AnUnwritableSettingsFileEndsTheProgramWithAnErrorBox) {
  TPorvanCopy copy;
  // A folder in the way of the settings file: it can be neither read nor replaced.
  ASSERT_TRUE(CreateDirectoryW((copy.folder.Path() + L"Porvan.ini").c_str(), nullptr));
  testing::TProcess porvan(copy.exe, L"", copy.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND box = testing::WaitForWindow(L"#32770", Wide(Utf8ToCp949(kApplicationTitle)).c_str(), 20000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FindWindowW(L"TfmMain", nullptr), nullptr);  // no window before the error
  HWND text = GetDlgItem(box, 0xFFFF);                   // the box's static text
  wchar_t message[512] = {};
  GetWindowTextW(text, message, 512);
  EXPECT_EQ(Narrow(message), "Unable to write to " + Narrow(copy.folder.Path()) + "Porvan.ini");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(porvan.WaitForExit(20000), 1u);
}

// Wine loads no DLL that a program's own DllOverrides key leaves without a load order, as if the
// DLL were missing from the system. The key names one program, so nothing else is touched.
class TDisabledLibraries {
 public:
  TDisabledLibraries(const std::wstring& exeName, const std::vector<const wchar_t*>& dlls)
      : key_(L"Software\\Wine\\AppDefaults\\" + exeName) {
    for (const wchar_t* dll : dlls) {
      RegSetKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), dll, REG_SZ, L"",
                      sizeof(wchar_t));
    }
  }
  TDisabledLibraries(const TDisabledLibraries&) = delete;
  TDisabledLibraries& operator=(const TDisabledLibraries&) = delete;
  ~TDisabledLibraries() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }

 private:
  std::wstring key_;
};

// Waits for the program's error report, gives its text and its icon, presses OK, and waits
// until it has gone.
struct TErrorReport {
  std::string Text;
  bool HasIcon = false;
};
TErrorReport AnswerErrorReport() {
  HWND box = testing::WaitForWindow(L"#32770", Wide(Utf8ToCp949(kApplicationTitle)).c_str(), 20000);
  if (box == nullptr) {
    return {};
  }
  TErrorReport report{testing::TextOf(GetDlgItem(box, 0xFFFF)), false};
  // The message box shows its icon in a static control of its own.
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    report.HasIcon = report.HasIcon || (GetWindowLongW(child, GWL_STYLE) & SS_ICON) == SS_ICON;
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  for (int waited = 0; IsWindow(box) && waited < 20000; waited += 50) {
    Sleep(50);
  }
  return report;
}

// Porvan.exe, under a name of its own, started with some system DLLs missing; its server is a
// loopback one that answers nothing.
struct TStartedWithout {
  testing::TLoopbackServer server{{}};
  TPorvanCopy copy;
  TDisabledLibraries disabled;
  testing::TProcess porvan;
  HWND window = nullptr;

  TStartedWithout(const std::wstring& name, const std::vector<const wchar_t*>& dlls)
      : copy(name),
        disabled(name + L".exe", dlls),
        porvan(
            (testing::WriteWholeFile(copy.folder.Path() + name + L".ini",
                                     "[config]\r\nServerURL=" + server.Url("/porvan.php") + "\r\n"),
             copy.exe),
            L"", copy.folder.Path()),
        window(testing::WaitForWindow(L"TfmMain", nullptr, 20000)) {}
};

TEST(PorvanExeTest, ShowsItsWindowWithoutTheNetworkLibrariesAndReportsThemWhenTheyAreNeeded) {
  TStartedWithout run(L"PorvanWithoutNetwork", {L"wininet", L"ws2_32", L"urlmon", L"comdlg32"});
  ASSERT_NE(run.window, nullptr);

  // The splash's connection check is the first call into WinINet.
  const TErrorReport wininet = AnswerErrorReport();
  EXPECT_EQ(wininet.Text.rfind("Cannot load wininet.dll.", 0), 0u) << wininet.Text;
  EXPECT_TRUE(wininet.HasIcon);
  // The splash ends by itself as offline after the failed check; the sequence goes on, and the
  // version check is the first call into Winsock.
  const TErrorReport winsock = AnswerErrorReport();
  EXPECT_EQ(winsock.Text.rfind("Cannot load ws2_32.dll.", 0), 0u) << winsock.Text;
  EXPECT_EQ(FindWindowW(L"TfmInit", nullptr), nullptr);

  EXPECT_TRUE(run.server.Requests().empty());
  PostMessageW(run.window, WM_APP_QUIT, 0, 0);
  EXPECT_EQ(run.porvan.WaitForExit(20000), 0u);
}

// The first lines of the error reports this process has on the screen now.
std::vector<std::string> ErrorReportsShown() {
  std::vector<std::string> texts;
  const std::wstring title = Wide(Utf8ToCp949(kApplicationTitle));
  for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", title.c_str()); box != nullptr;
       box = FindWindowExW(nullptr, box, L"#32770", title.c_str())) {
    const std::string text = testing::TextOf(GetDlgItem(box, 0xFFFF));
    texts.push_back(text.substr(0, text.find('\r')));
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

TEST(PorvanExeTest, AShellLibraryMissingAtTheTrayIconIsReportedAndTheProgramStillEnds) {
  TStartedWithout run(L"PorvanWithoutShell", {L"shell32"});
  ASSERT_NE(run.window, nullptr);
  // The tray icon, shown on the first activation, is the first call into the shell library. The
  // start-up sequence runs under its report and stops at WinINet, which needs the shell library.
  ASSERT_NE(testing::WaitForWindow(L"#32770", Wide(Utf8ToCp949(kApplicationTitle)).c_str(), 20000),
            nullptr);
  Sleep(2000);
  const std::vector<std::string> reports = ErrorReportsShown();
  EXPECT_NE(std::find(reports.begin(), reports.end(), "Cannot load shell32.dll."), reports.end());
  for (const std::string& report : reports) {
    EXPECT_TRUE(report == "Cannot load shell32.dll." || report == "Cannot load wininet.dll.")
        << report;
  }
  // No icon was added, so none is removed on the way out: the close reaches its end.
  PostMessageW(run.window, WM_APP_QUIT, 0, 0);
  EXPECT_EQ(run.porvan.WaitForExit(20000), 0u);
}

// The names of the DLLs in an image's import table: those loaded before the program runs.
template <typename T>
T ReadAt(const std::string& image, std::size_t offset) {
  if (offset > image.size() || image.size() - offset < sizeof(T)) {
    throw std::out_of_range("past the end of the image");
  }
  T value;
  std::memcpy(&value, image.data() + offset, sizeof(T));
  return value;
}

std::vector<std::string> LoadTimeImports(const std::string& image) {
  const auto dos = ReadAt<IMAGE_DOS_HEADER>(image, 0);
  const auto nt = ReadAt<IMAGE_NT_HEADERS64>(image, static_cast<std::size_t>(dos.e_lfanew));
  const std::size_t sections = static_cast<std::size_t>(dos.e_lfanew) +
                               offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                               nt.FileHeader.SizeOfOptionalHeader;
  const auto offsetOf = [&](DWORD rva) {
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
      const auto section =
          ReadAt<IMAGE_SECTION_HEADER>(image, sections + i * sizeof(IMAGE_SECTION_HEADER));
      if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
        return std::size_t{rva - section.VirtualAddress + section.PointerToRawData};
      }
    }
    throw std::out_of_range("an address outside every section");
  };
  std::vector<std::string> names;
  std::size_t at =
      offsetOf(nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  for (auto entry = ReadAt<IMAGE_IMPORT_DESCRIPTOR>(image, at); entry.Name != 0;
       entry = ReadAt<IMAGE_IMPORT_DESCRIPTOR>(image, at += sizeof entry)) {
    std::string name = image.c_str() + offsetOf(entry.Name);
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
      return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The full paths of the common controls libraries a process has loaded, lower case.
std::vector<std::wstring> CommonControlsOf(DWORD processId) {
  std::vector<std::wstring> found;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) {
    throw std::runtime_error("no module list of the process");
  }
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot, &module); more != FALSE;
       more = Module32NextW(snapshot, &module)) {
    std::wstring path = module.szExePath;
    std::transform(path.begin(), path.end(), path.begin(), towlower);
    if (path.ends_with(L"\\comctl32.dll")) {
      found.push_back(path);
    }
  }
  CloseHandle(snapshot);
  return found;
}

TEST(PorvanExeTest, TheThemedControlsComeWithTheFirstWindowThatShowsStandardControls) {
  testing::TLoopbackServer server({{testing::HttpReply("127.0.0.1")}, {testing::HttpReply("OK")}});
  TPorvanCopy copy;
  testing::WriteWholeFile(copy.folder.Path() + L"Porvan.ini",
                          "[config]\r\nServerURL=" + server.Url("/porvan.php") + "\r\n");
  testing::TProcess porvan(copy.exe, L"", copy.folder.Path());
  ASSERT_TRUE(porvan.Started());
  HWND window = testing::WaitForWindowOf(porvan.Id(), L"TfmMain", 20000);
  ASSERT_NE(window, nullptr);
  for (int waited = 0; server.Requests().size() < 2 && waited < 20000; waited += 50) {
    Sleep(50);
  }
  // The main window draws its controls itself: no common controls library on the way to it.
  EXPECT_EQ(CommonControlsOf(porvan.Id()), std::vector<std::wstring>{});

  PostMessageW(testing::ChildWithText(window, Utf8ToCp949("설정")), BM_CLICK, 0, 0);
  HWND dialog = testing::WaitForWindowOf(porvan.Id(), L"TfmConfig", 20000);
  ASSERT_NE(dialog, nullptr);
  // The settings dialog's buttons, boxes and lists are the themed version 6 controls.
  const std::vector<std::wstring> loaded = CommonControlsOf(porvan.Id());
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_NE(loaded[0].find(L"\\winsxs\\"), std::wstring::npos) << Narrow(loaded[0]);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  porvan.Kill();
}

TEST(PorvanExeTest, LoadsAtStartOnlyTheLibrariesItsMainWindowNeeds) {
  // The C runtime, the window and drawing libraries, and the registry library every window
  // program has loaded anyway.
  EXPECT_EQ(LoadTimeImports(testing::ReadWholeFile(testing::PorvanExePath())),
            (std::vector<std::string>{"advapi32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
                                      "user32.dll"}));
}

}  // namespace
}  // namespace porvan
