// The handler dispatcher: an escaping error becomes the general error report, once.
#include "app/handler_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "common/code_page.h"
#include "common/notice.h"
#include "platform/message_box.h"
#include "support/fake_platform.h"

namespace porvan {
namespace {

TEST(RunHandlerTest, ReportsAnEscapingErrorAndSkipsTheRest) {
  testing::FakeMessageBox messages;
  int steps = 0;
  EXPECT_FALSE(RunHandler(messages, [&] {
    ++steps;
    throw std::runtime_error("\xB0\xA1 failed");
  }));
  EXPECT_TRUE(RunHandler(messages, [&] { ++steps; }));
  EXPECT_EQ(steps, 2);
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "\xB0\xA1 failed");
  EXPECT_EQ(messages.Shown[0].Caption, Utf8ToCp949(kApplicationTitle));
  EXPECT_EQ(messages.Shown[0].Flags, mb::kOk | mb::kIconError);
}

}  // namespace
}  // namespace porvan
