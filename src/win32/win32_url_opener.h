// The web-link seam on Windows.
#pragma once

#include "platform/url_opener.h"

namespace porvan {

class TWin32UrlOpener : public IUrlOpener {
 public:
  bool Open(const std::string& url) override;
};

}  // namespace porvan
