// The wait seam in standard C++, and the main window's roads through it against a slow server:
// the loop turns while a request is out, and everything else happens as after a blocking call.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/code_page.h"
#include "support/main_form.h"
#include "support/request_bodies.h"
#include "support/thread_gui_wait.h"

namespace porvan {
namespace {

using namespace std::chrono_literals;
using namespace testing::bodies;
using testing::HttpReply;

TEST(ThreadGuiWaitTest, RunsTheExchangeOnAWorkerWhileTheCallerTurnsItsLoop) {
  TThreadGuiWait wait;
  wait.TurnEvery = 1ms;
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<bool> turned{false};
  std::vector<bool> waitingInTurns;
  wait.OnTurn = [&] {
    EXPECT_EQ(std::this_thread::get_id(), caller);
    waitingInTurns.push_back(wait.Waiting());
    turned = true;
  };
  std::thread::id worker;
  // The exchange ends only once the caller has turned its loop: a wait that blocked the caller
  // would never return.
  wait.Run([&] {
    worker = std::this_thread::get_id();
    while (!turned) {
      std::this_thread::sleep_for(1ms);
    }
  });
  EXPECT_NE(worker, caller);
  EXPECT_FALSE(wait.Waiting());
  ASSERT_FALSE(waitingInTurns.empty());
  EXPECT_EQ(waitingInTurns, std::vector<bool>(waitingInTurns.size(), true));

  // The same worker serves the next exchange, and what it wrote is the caller's to read.
  std::thread::id second;
  std::string written;
  wait.Run([&] {
    second = std::this_thread::get_id();
    written = "reply";
  });
  EXPECT_EQ(second, worker);
  EXPECT_EQ(written, "reply");
}

TEST(ThreadGuiWaitTest, ErrorsComeBackToTheCallerAndNestedRunsStayOnItsThread) {
  TThreadGuiWait wait;
  wait.TurnEvery = 1ms;
  EXPECT_THROW(wait.Run([] { throw std::runtime_error("exchange failed"); }), std::runtime_error);
  EXPECT_FALSE(wait.Waiting());

  // A turn that throws does not cut the wait short: the exchange still uses the caller's objects.
  std::atomic<bool> exchangeEnded{false};
  wait.OnTurn = [] { throw std::logic_error("turn failed"); };
  EXPECT_THROW(wait.Run([&] {
    std::this_thread::sleep_for(20ms);
    exchangeEnded = true;
  }),
               std::logic_error);
  EXPECT_TRUE(exchangeEnded);

  // A Run from inside a turn has no loop of its own to turn: it runs where it is called.
  const std::thread::id caller = std::this_thread::get_id();
  std::vector<std::thread::id> nested;
  std::atomic<bool> nestedDone{false};
  wait.OnTurn = [&] {
    if (nested.empty()) {
      wait.Run([&] { nested.push_back(std::this_thread::get_id()); });
      nestedDone = true;
    }
  };
  wait.Run([&] {
    while (!nestedDone) {
      std::this_thread::sleep_for(1ms);
    }
  });
  EXPECT_EQ(nested, std::vector<std::thread::id>{caller});
}

// What the loop saw of the main window while a request was out.
struct TSeenInTurn {
  bool waiting;
  bool ftpOpen;
  std::size_t boxes;
  std::size_t launched;
};

TEST(GuiWaitOrderTest, AnOpenOnASlowServerGoesOnOnlyWhenTheReplyIsThere) {
  const std::string refused = Utf8ToCp949("등록되지 않은 도메인");
  struct {
    const char* name;
    std::string reply;
    // expected
    bool opened;
    std::vector<std::string> boxes;
  } const cases[] = {
      {.name = "granted", .reply = "SUCCESS:Access_opened:a:b", .opened = true, .boxes = {}},
      {.name = "refused, its notice shown after the wait",
       .reply = "FAIL:" + Utf8ToCp949("등록되지_않은_도메인"),
       .opened = false,
       .boxes = {refused}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TMainForm main({{.Reply = HttpReply(c.reply), .Hold = 300ms}});
    main.fUrl.Value = "example.com";
    std::vector<TSeenInTurn> seen;
    main.session.Fake.Waits.OnTurn = [&] {
      seen.push_back({main.session.Fake.Waits.Waiting(), SysVar->IsFTPOpen == 1,
                      main.session.Fake.Messages.Shown.size(),
                      main.session.Fake.Launcher.Opened.size()});
    };
    main.form.btnExecuteFTPClick();

    // The server held the reply for 300 ms and the loop turned every 10 ms meanwhile; nothing of
    // the road's outcome showed before the reply was there.
    ASSERT_GT(seen.size(), 5u);
    for (const TSeenInTurn& turn : seen) {
      EXPECT_TRUE(turn.waiting);
      EXPECT_FALSE(turn.ftpOpen);
      EXPECT_EQ(turn.boxes, 0u);
      EXPECT_EQ(turn.launched, 0u);
    }
    EXPECT_FALSE(main.session.Fake.Waits.Waiting());
    EXPECT_EQ(main.session.Bodies(), std::vector<std::string>{kOpenFtpBody});
    EXPECT_EQ(SysVar->IsFTPOpen == 1, c.opened);
    EXPECT_EQ(main.imgFTPOpen.Visible, c.opened);
    EXPECT_EQ(main.BoxTexts(), c.boxes);
    for (const std::thread::id shownOn : main.session.Fake.Messages.ShownOn) {
      EXPECT_EQ(shownOn, std::this_thread::get_id());
    }
    EXPECT_EQ(
        main.session.Fake.Launcher.Opened,
        c.opened ? std::vector<std::string>{testing::kFtpProgram} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace porvan
