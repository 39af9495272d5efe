// Measures a window program under the same Windows (or Wine) as its user would run it:
//   porvan_measure startup EXE CLASS RUNS [ARGS]  median ms from process start to a visible
//                                                 window of CLASS; the window is then closed
//   porvan_measure idle EXE CLASS SECONDS [ARGS]  CPU seconds the program uses while it sits
//                                                 idle for SECONDS once its window is up
// Prints one number on a line; exit code 1 when the window never appears.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWindowWaitMs = 60000;

class TChild {
 public:
  TChild(const std::wstring& exe, const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info_) != 0;
  }
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;
  ~TChild() {
    if (started_) {
      if (WaitForSingleObject(info_.hProcess, 10000) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
      }
      CloseHandle(info_.hThread);
      CloseHandle(info_.hProcess);
    }
  }
  bool started() const { return started_; }
  HANDLE process() const { return info_.hProcess; }
  DWORD id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

struct TFindArgs {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam) {
  auto* args = reinterpret_cast<TFindArgs*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (processId == args->processId && IsWindowVisible(window) &&
      std::wstring(className) == args->className) {
    args->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForVisibleWindow(const TChild& child, const wchar_t* className) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < kWindowWaitMs;) {
    TFindArgs args{child.id(), className, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&args));
    if (args.found != nullptr) {
      return args.found;
    }
    Sleep(1);
  }
  return nullptr;
}

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

int Startup(const std::wstring& exe, const wchar_t* className, int runs,
            const std::wstring& arguments) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    TChild child(exe, arguments);
    HWND window = child.started() ? WaitForVisibleWindow(child, className) : nullptr;
    QueryPerformanceCounter(&end);
    if (window == nullptr) {
      return 1;
    }
    times.push_back(1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                    static_cast<double>(frequency.QuadPart));
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  std::sort(times.begin(), times.end());
  std::printf("%.1f\n", times[times.size() / 2]);
  return 0;
}

int Idle(const std::wstring& exe, const wchar_t* className, int seconds,
         const std::wstring& arguments) {
  TChild child(exe, arguments);
  HWND window = child.started() ? WaitForVisibleWindow(child, className) : nullptr;
  if (window == nullptr) {
    return 1;
  }
  Sleep(3000);  // let the start-up work finish before counting
  FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
  GetProcessTimes(child.process(), &created, &exited, &kernelBefore, &userBefore);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  GetProcessTimes(child.process(), &created, &exited, &kernelAfter, &userAfter);
  std::printf("%.3f\n", Seconds(kernelAfter) - Seconds(kernelBefore) + Seconds(userAfter) -
                            Seconds(userBefore));
  PostMessageW(window, 0x8083, 0, 0);  // WM_APP_QUIT: the program ends without a question
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    return 2;
  }
  const std::wstring command = argv[1];
  const std::wstring arguments = argc > 5 ? argv[5] : L"";
  const int count = _wtoi(argv[4]);
  if (command == L"startup" && count > 0) {
    return Startup(argv[2], argv[3], count, arguments);
  }
  if (command == L"idle" && count > 0) {
    return Idle(argv[2], argv[3], count, arguments);
  }
  return 2;
}
