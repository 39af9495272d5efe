// The web-link seam on POSIX systems.
#pragma once

#include <string>
#include <utility>

#include "common/path_text.h"
#include "platform/url_opener.h"

namespace porvan {

// Hands the address to xdg-open, the desktop's handler for addresses, and does not wait for it:
// on some desktops xdg-open runs the browser itself and returns only once it is closed.
class TPosixUrlOpener : public IUrlOpener {
 public:
  explicit TPosixUrlOpener(TPath opener = PathFromUtf8("/usr/bin/xdg-open"))
      : opener_(std::move(opener)) {}
  // True once the handler has started.
  bool Open(const std::string& url) override;

 private:
  TPath opener_;
};

}  // namespace porvan
