// Where the download component saves a file: the folder, a "\" and the file's name.
#include "update/local_path.h"

#include "common/text_bytes.h"
#include "update/url_text.h"

namespace porvan {

std::string LocalDownloadPath(std::string_view saveDir, std::string_view filename,
                              std::string_view resolvedURL) {
  std::string name;
  if (!TrimBlanks(filename).empty()) {
    const std::size_t last = filename.find_last_of("\\:");
    name = std::string(last == std::string_view::npos ? filename : filename.substr(last + 1));
  } else {
    name = GetURLFileName(resolvedURL);
  }
  return std::string(saveDir) + "\\" + name;
}

}  // namespace porvan
