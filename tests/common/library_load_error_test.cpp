// A system library missing at its first call: the text of the error the program reports.
#include "common/library_load_error.h"

#include <gtest/gtest.h>

namespace porvan {
namespace {

TEST(LibraryLoadErrorTest, NamesWhatIsMissingAndTheSystemsReason) {
  struct TCase {
    const char* name;
    TMissingLibraryPart missing;
    const char* text;
  };
  const TCase cases[] = {
      {.name = "library, with the reason",
       .missing = {.Library = "urlmon.dll", .SystemMessage = "Module not found."},
       .text = "Cannot load urlmon.dll.\r\nModule not found."},
      {.name = "library, no reason known",
       .missing = {.Library = "ws2_32.dll"},
       .text = "Cannot load ws2_32.dll."},
      {.name = "function of a loaded library",
       .missing = {.Library = "wininet.dll",
                   .Function = "InternetGetConnectedState",
                   .SystemMessage = "Procedure not found."},
       .text = "Cannot find InternetGetConnectedState in wininet.dll.\r\nProcedure not found."},
      {.name = "function by ordinal",
       .missing = {.Library = "shell32.dll", .Function = "#680"},
       .text = "Cannot find #680 in shell32.dll."},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(TLibraryLoadError(c.missing).what(), c.text);
  }
}

}  // namespace
}  // namespace porvan
