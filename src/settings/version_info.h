// The ten version-resource texts of the running executable, and the names they are looked up by.
#pragma once

#include <array>
#include <string>

namespace porvan {

struct TVersionInfo {
  std::string CompanyName;
  std::string FileDescription;
  std::string FileVersion;
  std::string InternalName;
  std::string LegalCopyright;
  std::string LegalTradeMarks;
  std::string OriginalFileName;
  std::string ProductName;
  std::string ProductVersion;
  std::string Comments;
};

// In the order of the fields of TVersionInfo; spelled as the resource spells them.
inline constexpr std::array<const char*, 10> VersionNames = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTradeMarks", "OriginalFileName", "ProductName", "ProductVersion", "Comments"};

// Korean (0x0412) in code page 949 (0x03B5).
inline constexpr const char* VersionStringTable = "StringFileInfo\\041203B5\\";

}  // namespace porvan
