// The web-link seam on POSIX systems: xdg-open, judged by its exit status.
#include "posix/posix_url_opener.h"

#include "platform/code_page.h"
#include "posix/run_program.h"

namespace porvan {

bool TPosixUrlOpener::Open(const std::string& url) {
  const std::optional<TProgramRun> run = RunProgram({"xdg-open", Cp949ToUtf8(url)});
  return run && run->ExitStatus == 0;
}

}  // namespace porvan
