// The version-resource seam: the string tables of an executable's version information.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/path.h"

namespace porvan {

// One executable's loaded version information.
class IVersionBlock {
 public:
  virtual ~IVersionBlock() = default;
  // The text at a sub-block such as "StringFileInfo\041203B5\FileVersion", or nothing.
  virtual std::optional<std::string> QueryValue(const std::string& subBlock) const = 0;
};

class IVersionResource {
 public:
  virtual ~IVersionResource() = default;
  // Null when the executable has no version information (its size is 0).
  virtual std::unique_ptr<IVersionBlock> Load(const TPath& executablePath) = 0;
};

}  // namespace porvan
