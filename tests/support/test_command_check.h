// A test that misbehaves only when `./dev check-test-command` asks it to, so that the test
// command's handling of a failed, crashed, hung or cut-short run stays proven. Included by one
// file of each test binary.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

TEST(TestCommandCheck, MisbehavesOnlyWhenAsked) {
  const char* asked = std::getenv("PORVAN_TEST_SABOTAGE");
  const std::string mode = asked != nullptr ? asked : "";
  if (mode == "crash") {
    std::abort();
  }
  if (mode == "quit") {
    std::_Exit(0);  // ends the run before any summary, with a success code
  }
  if (mode == "hang") {
    for (;;) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
    }
  }
  EXPECT_NE(mode, "fail") << "failing on purpose";
  EXPECT_TRUE(mode.empty() || mode == "fail") << "unknown PORVAN_TEST_SABOTAGE: " << mode;
}
