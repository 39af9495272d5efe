// The shell-link seam on Windows.
#pragma once

#include "platform/shell_link.h"

namespace porvan {

class TWin32ShellLinks : public IShellLinks {
 public:
  TLinkWriteResult Write(const TPath& linkPath, const TShellLinkFields& link) override;
};

}  // namespace porvan
