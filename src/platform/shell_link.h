// The shell-link seam: writing a shortcut file that starts a program with arguments.
#pragma once

#include <string>

#include "platform/path.h"

namespace porvan {

// What the link starts.
struct TShellLinkFields {
  TPath Target;            // full path of the program
  TPath WorkingDirectory;  // the folder it starts in
  std::string Arguments;   // its command line after the program, as it stands; CP949
};

enum class TLinkFailure {
  None,
  Unavailable,  // the shell link object or one of its interfaces could not be obtained
  NotSaved,     // the object was made but the file could not be written
};

struct TLinkWriteResult {
  TLinkFailure Failure = TLinkFailure::None;
  std::string SystemMessage;  // the system's text for the failure, CP949; may be empty

  bool Written() const { return Failure == TLinkFailure::None; }
};

class IShellLinks {
 public:
  virtual ~IShellLinks() = default;

  // Writes (or replaces) the link file at `linkPath`, a full path. No description, icon,
  // hot key or show command: the link shows the target's icon and starts it in a normal window.
  virtual TLinkWriteResult Write(const TPath& linkPath, const TShellLinkFields& link) = 0;
};

}  // namespace porvan
