// The shell-link seam on POSIX systems.
#pragma once

#include "platform/shell_link.h"

namespace porvan {

// Writes a freedesktop.org launcher (a desktop entry) in place of a shell link, under the
// name it is given.
class TPosixShellLinks : public IShellLinks {
 public:
  // `markTrusted`: also mark each launcher trusted with gio (where gio is installed), so that
  // desktops which ask before starting an untrusted launcher start it on a double click.
  explicit TPosixShellLinks(bool markTrusted = false) : markTrusted_(markTrusted) {}
  TLinkWriteResult Write(const TPath& linkPath, const TShellLinkFields& link) override;

 private:
  bool markTrusted_;
};

// The launcher's text: the target quoted, each blank-separated argument quoted, in UTF-8.
// `name` is UTF-8, as the file's name.
std::string DesktopEntryText(const std::string& name, const TShellLinkFields& link);

}  // namespace porvan
