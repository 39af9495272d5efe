// Where the download component saves a file: the folder, a separator and the file's name.
#include "update/local_path.h"

#include "common/code_page.h"
#include "common/path_text.h"
#include "common/text_bytes.h"
#include "update/url_text.h"

namespace porvan {

std::string DownloadFileName(std::string_view filename, std::string_view resolvedURL) {
  if (TrimBlanks(filename).empty()) {
    return GetURLFileName(resolvedURL);
  }
  const std::size_t last = filename.find_last_of("\\:");
  return std::string(last == std::string_view::npos ? filename : filename.substr(last + 1));
}

TPath LocalDownloadPath(const TPath& saveDir, std::string_view filename,
                        std::string_view resolvedURL) {
  return PathFromUtf8(PathToUtf8(saveDir) + kPathSeparator +
                      Cp949ToUtf8(DownloadFileName(filename, resolvedURL)));
}

}  // namespace porvan
