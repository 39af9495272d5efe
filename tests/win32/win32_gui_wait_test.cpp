// The Windows program's wait: the exchange on one worker while this thread's messages are
// pumped; input dropped, closes and the program's own messages held until after, in order.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "win32/win32_gui_wait.h"

namespace porvan {
namespace {

constexpr UINT kPassed = WM_USER + 1;     // a message of a control: passes during a wait
constexpr UINT kProgram = WM_APP + 5;     // the program's own: held until the wait is over
constexpr UINT kNestedRun = WM_USER + 2;  // asks the window to start a wait of its own

// A message-only window that records what reaches its procedure, as the program's windows ask
// the wait first.
struct TRecordingWindow {
  static inline std::vector<UINT> Seen;
  static inline TWin32GuiWait* Wait = nullptr;
  static inline std::atomic<bool> PassedSeen{false};
  static inline bool PassedDuringWait = false;
  static inline std::atomic<std::thread::id> NestedOn;

  HWND Handle = nullptr;

  explicit TRecordingWindow(TWin32GuiWait& wait) {
    Wait = &wait;
    PassedSeen = false;
    PassedDuringWait = false;
    NestedOn = std::thread::id();
    WNDCLASSW type{};
    type.lpfnWndProc = &Procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"PorvanWaitTestWindow";
    RegisterClassW(&type);
    Handle = CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             type.hInstance, nullptr);
    Seen.clear();
  }
  TRecordingWindow(const TRecordingWindow&) = delete;
  TRecordingWindow& operator=(const TRecordingWindow&) = delete;
  ~TRecordingWindow() {
    DestroyWindow(Handle);
    Wait = nullptr;
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT answer = 0; TWin32GuiWait::Intercept(window, message, wParam, lParam, answer)) {
      return answer;
    }
    if (message == kPassed || message == kProgram || message == WM_CLOSE ||
        message == WM_LBUTTONDOWN || message == WM_KEYDOWN) {
      Seen.push_back(message);
      if (message == kPassed) {
        PassedDuringWait = Wait->Waiting();
        PassedSeen = true;
      }
      return 0;
    }
    if (message == kNestedRun) {
      Wait->Run([] { NestedOn = std::this_thread::get_id(); });
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
};

// Everything now in this thread's queue, dispatched.
void DispatchQueued() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
}

TEST(Win32GuiWaitTest, TheExchangeRunsOnOneWorkerWhileThisThreadsMessagesAreDispatched) {
  TWin32GuiWait wait;
  TRecordingWindow window(wait);
  ASSERT_NE(window.Handle, nullptr);
  PostMessageW(window.Handle, kPassed, 0, 0);
  std::thread::id worker;
  bool dispatchedMeanwhile = false;
  // Ends once the window has had its message: a wait that did not pump would never see it.
  wait.Run([&] {
    worker = std::this_thread::get_id();
    for (int i = 0; i < 2000 && !TRecordingWindow::PassedSeen; ++i) {
      Sleep(1);
    }
    dispatchedMeanwhile = TRecordingWindow::PassedSeen;
  });
  EXPECT_TRUE(dispatchedMeanwhile);
  EXPECT_TRUE(TRecordingWindow::PassedDuringWait);
  EXPECT_NE(worker, std::this_thread::get_id());
  EXPECT_FALSE(wait.Waiting());

  std::thread::id second;
  wait.Run([&] { second = std::this_thread::get_id(); });
  EXPECT_EQ(second, worker);
}

TEST(Win32GuiWaitTest, InputIsDroppedAndClosesAndTheProgramsMessagesComeAfterInOrder) {
  TWin32GuiWait wait;
  TRecordingWindow window(wait);
  wait.Run([&] {
    PostMessageW(window.Handle, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageW(window.Handle, WM_CLOSE, 0, 0);
    PostMessageW(window.Handle, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(window.Handle, kProgram, 0, 0);
    PostMessageW(window.Handle, kPassed, 0, 0);
    // The loop takes the messages in their order, so once the last has come, all have.
    for (int i = 0; i < 2000 && !TRecordingWindow::PassedSeen; ++i) {
      Sleep(1);
    }
  });
  // Only what passes came during the wait; the rest comes with the next turn of the loop.
  EXPECT_EQ(TRecordingWindow::Seen, std::vector<UINT>{kPassed});
  DispatchQueued();
  EXPECT_EQ(TRecordingWindow::Seen, (std::vector<UINT>{kPassed, WM_CLOSE, kProgram}));
}

TEST(Win32GuiWaitTest, AQuitWaitsForTheExchangeAndErrorsComeBackToTheCaller) {
  TWin32GuiWait wait;
  TRecordingWindow window(wait);
  const DWORD caller = GetCurrentThreadId();
  std::atomic<bool> exchangeEnded{false};
  wait.Run([&] {
    PostThreadMessageW(caller, WM_QUIT, 7, 0);
    Sleep(300);
    exchangeEnded = true;
  });
  EXPECT_TRUE(exchangeEnded);
  MSG message{};
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);

  EXPECT_THROW(wait.Run([] { throw std::runtime_error("exchange failed"); }), std::runtime_error);
  EXPECT_FALSE(wait.Waiting());
  std::string written;
  wait.Run([&] { written = "the worker still serves"; });
  EXPECT_EQ(written, "the worker still serves");
}

TEST(Win32GuiWaitTest, AWaitStartedFromAWindowDuringAWaitRunsWhereItIsCalled) {
  TWin32GuiWait wait;
  TRecordingWindow window(wait);
  wait.Run([&] {
    PostMessageW(window.Handle, kNestedRun, 0, 0);
    for (int i = 0; i < 2000 && TRecordingWindow::NestedOn.load() == std::thread::id(); ++i) {
      Sleep(1);
    }
  });
  EXPECT_EQ(TRecordingWindow::NestedOn.load(), std::this_thread::get_id());
}

TEST(Win32GuiWaitTest, WhatHappensToAMessageDuringAWait) {
  struct TCase {
    UINT Message;
    WPARAM WParam;
    TWhileWaiting Expected;
  };
  const TCase cases[] = {
      {WM_PAINT, 0, TWhileWaiting::Pass},
      {WM_TIMER, 1, TWhileWaiting::Pass},
      {WM_MOUSEMOVE, 0, TWhileWaiting::Pass},
      {WM_LBUTTONDOWN, MK_LBUTTON, TWhileWaiting::Drop},
      {WM_RBUTTONUP, 0, TWhileWaiting::Drop},
      {WM_XBUTTONDBLCLK, 0, TWhileWaiting::Drop},
      {WM_KEYDOWN, VK_RETURN, TWhileWaiting::Drop},
      {WM_CHAR, 'a', TWhileWaiting::Drop},
      {WM_NCLBUTTONDOWN, HTCAPTION, TWhileWaiting::Pass},    // the window still moves
      {WM_NCLBUTTONDOWN, HTMINBUTTON, TWhileWaiting::Pass},  // and minimises
      {WM_NCLBUTTONDOWN, HTCLOSE, TWhileWaiting::Drop},
      {WM_NCRBUTTONDOWN, HTCAPTION, TWhileWaiting::Drop},  // the system menu
      {WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), TWhileWaiting::Drop},
      {WM_COMMAND, MAKEWPARAM(1, EN_CHANGE), TWhileWaiting::Pass},
      {WM_SYSCOMMAND, SC_CLOSE, TWhileWaiting::Hold},
      {WM_SYSCOMMAND, SC_KEYMENU, TWhileWaiting::Drop},
      {WM_SYSCOMMAND, SC_MOVE, TWhileWaiting::Pass},
      {WM_CLOSE, 0, TWhileWaiting::Hold},
      {WM_QUERYENDSESSION, 0, TWhileWaiting::Hold},
      {WM_ENDSESSION, TRUE, TWhileWaiting::Hold},
      {WM_ENDSESSION, FALSE, TWhileWaiting::Pass},
      {WM_APP, 0, TWhileWaiting::Hold},
      {0xBFFF, 0, TWhileWaiting::Hold},
      {0xC000, 0, TWhileWaiting::Pass},  // registered messages belong to the system
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(WhileWaiting(c.Message, c.WParam), c.Expected)
        << "message 0x" << std::hex << c.Message << ", wParam 0x" << c.WParam;
  }
}

}  // namespace
}  // namespace porvan
