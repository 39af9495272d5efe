// The version-resource seam on Windows: the version API on the executable's own resource.
#include "win32/win32_version_resource.h"

#include <windows.h>

#include <vector>

#include "win32/wide_text.h"

namespace porvan {
namespace {

class TWin32VersionBlock : public IVersionBlock {
 public:
  explicit TWin32VersionBlock(std::vector<unsigned char> data) : data_(std::move(data)) {}

  std::optional<std::string> QueryValue(const std::string& subBlock) const override {
    void* value = nullptr;
    UINT length = 0;
    // VerQueryValueW does not write to the block; the cast only meets its signature.
    if (!VerQueryValueW(const_cast<unsigned char*>(data_.data()), Wide(subBlock).c_str(), &value,
                        &length) ||
        value == nullptr) {
      return std::nullopt;
    }
    return Narrow(static_cast<const wchar_t*>(value));
  }

 private:
  std::vector<unsigned char> data_;
};

}  // namespace

std::unique_ptr<IVersionBlock> TWin32VersionResource::Load(const TPath& executablePath) {
  DWORD size = GetFileVersionInfoSizeW(executablePath.c_str(), nullptr);
  if (size == 0) {
    return nullptr;
  }
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(executablePath.c_str(), 0, size, data.data())) {
    return nullptr;
  }
  return std::make_unique<TWin32VersionBlock>(std::move(data));
}

}  // namespace porvan
