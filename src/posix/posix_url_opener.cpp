// The web-link seam on POSIX systems: xdg-open, started detached.
#include "posix/posix_url_opener.h"

#include "common/code_page.h"
#include "common/path_text.h"
#include "posix/posix_program_launcher.h"

namespace porvan {

bool TPosixUrlOpener::Open(const std::string& url) {
  return StartDetached({opener_, PathFromUtf8(Cp949ToUtf8(url))});
}

}  // namespace porvan
