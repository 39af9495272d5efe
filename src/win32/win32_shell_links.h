// The shell-link seam on Windows.
#pragma once

#include "platform/shell_link.h"

namespace porvan {

class TWin32ShellLinks : public IShellLinks {
 public:
  TLinkWriteResult Write(const std::string& linkPath, const TShellLinkFields& link) override;
};

}  // namespace porvan
