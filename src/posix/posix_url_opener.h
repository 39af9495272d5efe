// The web-link seam on POSIX systems.
#pragma once

#include "platform/url_opener.h"

namespace porvan {

// Hands the address to xdg-open, the desktop's handler for addresses.
class TPosixUrlOpener : public IUrlOpener {
 public:
  bool Open(const std::string& url) override;
};

}  // namespace porvan
