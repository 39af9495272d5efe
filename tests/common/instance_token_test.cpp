// The text that names a running instance, read from a file anyone may have changed.
#include "common/instance_token.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace porvan {
namespace {

struct TTokenCase {
  const char* name;
  std::string text;
  std::optional<TInstanceToken> token;
};

TEST(InstanceTokenTest, ReadsOnlyWhatFormatMakes) {
  const TTokenCase cases[] = {
      {"Windows: id and creation time", "4120-133489000000000000",
       TInstanceToken{4120, 133489000000000000u, ""}},
      {"Linux: with the boot id", "77-123-0b5c-11ef", TInstanceToken{77, 123, "0b5c-11ef"}},
      {"zeros", "0-0", TInstanceToken{0, 0, ""}},
      {"the largest numbers", "18446744073709551615-18446744073709551615",
       TInstanceToken{18446744073709551615u, 18446744073709551615u, ""}},
      {"a number beyond 64 bits", "18446744073709551616-1", std::nullopt},
      {"a leading zero", "077-1", std::nullopt},
      {"a sign", "+77-1", std::nullopt},
      {"no start", "77", std::nullopt},
      {"an empty start", "77-", std::nullopt},
      {"an empty boot", "77-1-", std::nullopt},
      {"a boot with a blank", "77-1-a b", std::nullopt},
      {"a boot with a slash", "77-1-../x", std::nullopt},
      {"empty", "", std::nullopt},
      {"too long", "1-1-" + std::string(93, 'a'), std::nullopt},
  };
  for (const TTokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseInstanceToken(c.text), c.token);
    if (c.token) {
      EXPECT_EQ(FormatInstanceToken(*c.token), c.text);
    }
  }
  EXPECT_TRUE(ParseInstanceToken("1-1-" + std::string(92, 'a')).has_value());
}

}  // namespace
}  // namespace porvan
