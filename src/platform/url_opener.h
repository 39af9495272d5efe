// The web-link seam: opening an address with the system's handler for it (the browser).
#pragma once

#include <string>

namespace porvan {

class IUrlOpener {
 public:
  virtual ~IUrlOpener() = default;

  // Hands the address to its handler in a normal window and returns whether that succeeded.
  // Shows nothing itself, also on failure.
  virtual bool Open(const std::string& url) = 0;
};

}  // namespace porvan
