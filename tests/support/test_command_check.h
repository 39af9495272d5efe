// A test that misbehaves only when `./dev check-test-command` asks it to, so that the test
// command's handling of a failed, crashed, hung or cut-short run stays proven. Included by one
// file of each test binary.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/misbehave.h"

TEST(TestCommandCheck, MisbehavesOnlyWhenAsked) {
  const std::string mode = porvan::testing::MisbehaveAsAsked();
  EXPECT_NE(mode, "fail") << "failing on purpose";
  EXPECT_TRUE(mode.empty() || mode == "fail") << "unknown PORVAN_TEST_SABOTAGE: " << mode;
}
