// Helpers for the Windows tests.
#include "win32/wine_support.h"

#include "win32/wide_text.h"

namespace porvan::testing {

TTempFolder::TTempFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

TTempFolder::~TTempFolder() {
  // Flat: the tests make files and empty folders only.
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path_ + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") {
        std::wstring full = path_ + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveDirectoryW(full.c_str());
        } else {
          SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(full.c_str());
        }
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path_.c_str());
}

std::string ReadWholeFile(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return "<missing>";
  }
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring TestExecutableFolder() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring PorvanExePath() {
  return TestExecutableFolder() + L"..\\Porvan.exe";
}

TProcess::TProcess(const std::wstring& exe, const std::wstring& arguments,
                   const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &info_) != 0;
}

TProcess::~TProcess() {
  if (started_) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 99);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
}

DWORD TProcess::WaitForExit(DWORD ms) {
  WaitForSingleObject(info_.hProcess, ms);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void TProcess::Kill() {
  TerminateProcess(info_.hProcess, 9);
  WaitForSingleObject(info_.hProcess, 20000);
}

DWORD RunToEnd(const std::wstring& exe, const std::wstring& arguments, DWORD ms) {
  TProcess process(exe, arguments, L"");
  return process.Started() ? process.WaitForExit(ms) : STILL_ACTIVE;
}

HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += 50) {
    if (HWND window = FindWindowW(className, title)) {
      return window;
    }
    Sleep(50);
  }
  return nullptr;
}

namespace {

struct TWindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<TWindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner == search->processId && wcscmp(name, search->className) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND WaitForWindowOf(DWORD processId, const wchar_t* className, DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += 50) {
    TWindowSearch search{processId, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      return search.found;
    }
    Sleep(50);
  }
  return nullptr;
}

std::string TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return Narrow(text);
}

HWND ChildWithText(HWND parent, const std::string& cp949) {
  return FindWindowExW(parent, nullptr, nullptr, Wide(cp949).c_str());
}

std::vector<std::string> TabOrder(HWND dialog, std::size_t count) {
  std::vector<std::string> order;
  HWND control = GetNextDlgTabItem(dialog, nullptr, FALSE);
  for (std::size_t i = 0; i < count && control != nullptr; ++i) {
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    order.push_back(Narrow(className) + ":" + TextOf(control));
    control = GetNextDlgTabItem(dialog, control, FALSE);
  }
  return order;
}

}  // namespace porvan::testing
