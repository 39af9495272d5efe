// Helpers for the Windows tests: folders of their own, files, and the program under test.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace porvan::testing {

// A fresh folder under the temporary folder, removed with its files at the end of the test.
class TTempFolder {
 public:
  explicit TTempFolder(const std::wstring& name);
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

std::string ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);
void WriteWholeFile(const std::wstring& path, const std::string& bytes);

// The folder of the running test executable, with a trailing backslash.
std::wstring TestExecutableFolder();

// Build/win32/Porvan.exe, next to the tests folder.
std::wstring PorvanExePath();

// A started process, ended by force if it is still running when the test ends.
class TProcess {
 public:
  // `arguments` follow the quoted program path on the command line.
  TProcess(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder);
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;
  ~TProcess();
  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  // The exit code, or STILL_ACTIVE when it did not end within `ms`.
  DWORD WaitForExit(DWORD ms);
  // Ends the process at once, as the task manager does: nothing of it runs any more.
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// Runs a program to its end (at most `ms`) and gives its exit code.
DWORD RunToEnd(const std::wstring& exe, const std::wstring& arguments, DWORD ms);

// Polls for a top-level window of the class and title (either may be null) for up to `ms`.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD ms);
// The same for a window of the class that belongs to one process.
HWND WaitForWindowOf(DWORD processId, const wchar_t* className, DWORD ms);

// A window's text, CP949.
std::string TextOf(HWND window);
// The first child whose window text is `cp949`, or null.
HWND ChildWithText(HWND parent, const std::string& cp949);
// The controls the Tab key visits, from the first, as "class:text".
std::vector<std::string> TabOrder(HWND dialog, std::size_t count);

}  // namespace porvan::testing
