// The version-resource seam where executables carry none: the table generated at build time.
#include "posix/posix_version_resource.h"

#include "version_strings.h"

namespace porvan {
namespace {

class TBuiltInVersionBlock : public IVersionBlock {
 public:
  std::optional<std::string> QueryValue(const std::string& subBlock) const override {
    for (const auto& [name, value] : BuiltInVersionStrings) {
      if (name == subBlock) {
        return std::string(value);
      }
    }
    return std::nullopt;
  }
};

}  // namespace

std::unique_ptr<IVersionBlock> TBuiltInVersionResource::Load(const TPath& /*executablePath*/) {
  return std::make_unique<TBuiltInVersionBlock>();
}

}  // namespace porvan
