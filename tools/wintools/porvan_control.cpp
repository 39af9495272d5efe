// Drives a running Porvan client from outside, as the installer and a tester would:
//   porvan_control quit                 posts WM_APP_QUIT (to the update alert while it is up,
//                                       else to the main window) and waits for the process to end
//   porvan_control click CLASS CAPTION [TITLE]
//                                       presses the button with that caption ("&" ignored) in
//                                       the window of CLASS (and TITLE, when given)
//   porvan_control wait CLASS           waits until a window of that class exists
//   porvan_control kill                 ends the main window's process at once, as the task
//                                       manager does: the program closes nothing
// Exit code 0 on success, 1 when the window is not found or the process does not end in time.
#include <windows.h>

#include <string>

namespace {

constexpr UINT kAppQuit = 0x8083;
constexpr DWORD kWaitMs = 30000;

HWND WaitForWindow(const wchar_t* className, const wchar_t* title = nullptr) {
  for (DWORD waited = 0; waited < kWaitMs; waited += 100) {
    if (HWND window = FindWindowW(className, title)) {
      return window;
    }
    Sleep(100);
  }
  return nullptr;
}

int Quit() {
  HWND window = FindWindowW(L"TfmUpdateAlert", nullptr);
  if (window == nullptr) {
    window = FindWindowW(L"TfmMain", nullptr);
  }
  if (window == nullptr) {
    return 1;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageW(window, kAppQuit, 0, 0);
  if (process == nullptr) {
    return 1;
  }
  DWORD result = WaitForSingleObject(process, kWaitMs);
  CloseHandle(process);
  return result == WAIT_OBJECT_0 ? 0 : 1;
}

int Kill() {
  HWND window = FindWindowW(L"TfmMain", nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process =
      window ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId) : nullptr;
  if (process == nullptr) {
    return 1;
  }
  const bool ended =
      TerminateProcess(process, 9) && WaitForSingleObject(process, kWaitMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended ? 0 : 1;
}

std::wstring WithoutAmpersands(std::wstring text) {
  std::erase(text, L'&');
  return text;
}

struct TButtonSearch {
  std::wstring caption;
  HWND found;
};

BOOL CALLBACK FindButton(HWND child, LPARAM lParam) {
  auto* search = reinterpret_cast<TButtonSearch*>(lParam);
  wchar_t text[128] = {};
  // Asked, not read with GetWindowText, which does not ask controls of another process.
  SendMessageTimeoutW(child, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      1000, nullptr);
  if (IsWindowVisible(child) && WithoutAmpersands(text) == search->caption) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

int Click(const wchar_t* className, const wchar_t* caption, const wchar_t* title) {
  // A page of a wizard shows its buttons only once it is up; look again until then.
  for (DWORD waited = 0; waited < kWaitMs; waited += 100) {
    if (HWND window = FindWindowW(className, title)) {
      TButtonSearch search{WithoutAmpersands(caption), nullptr};
      EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
      if (search.found != nullptr) {
        // Posted, so a button whose handler runs a long time does not hold this tool.
        PostMessageW(search.found, BM_CLICK, 0, 0);
        return 0;
      }
    }
    Sleep(100);
  }
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"quit") {
    return Quit();
  }
  if (command == L"click" && argc > 3) {
    return Click(argv[2], argv[3], argc > 4 ? argv[4] : nullptr);
  }
  if (command == L"kill") {
    return Kill();
  }
  if (command == L"wait" && argc > 2) {
    return WaitForWindow(argv[2]) ? 0 : 1;
  }
  return 2;
}
