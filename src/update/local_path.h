// Where the download component saves a file: the folder, a separator and the file's name.
#pragma once

#include <string>
#include <string_view>

#include "common/path_text.h"

namespace porvan {

// The name a download is saved under: the part of `filename` after its last "\" or ":" when
// `filename` is not blank (codes 0-32 only), else the file-name part of `resolvedURL`.
std::string DownloadFileName(std::string_view filename, std::string_view resolvedURL);

// `saveDir` + kPathSeparator + DownloadFileName(filename, resolvedURL), the name read as CP949.
// The separator is inserted even after a folder that ends in one, and nothing else is checked or
// changed.
TPath LocalDownloadPath(const TPath& saveDir, std::string_view filename,
                        std::string_view resolvedURL);

}  // namespace porvan
