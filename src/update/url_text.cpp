// The URL text functions of the download component: root, directory and file-name part.
#include "update/url_text.h"

namespace porvan {

namespace {

std::string WithTrailingSlash(std::string_view text) {
  std::string result(text);
  if (!result.empty() && result.back() != '/') {
    result += '/';
  }
  return result;
}

}  // namespace

std::string GetURLRoot(std::string_view URL) {
  // The slashes of "://" follow a ":" or a "/", so the first one that does not ends the host.
  for (std::size_t i = 1; i < URL.size(); ++i) {
    if (URL[i] == '/' && URL[i - 1] != '/' && URL[i - 1] != ':') {
      return std::string(URL.substr(0, i + 1));
    }
  }
  return WithTrailingSlash(URL);
}

std::string GetURLDir(std::string_view URL) {
  const std::size_t lastSlash = URL.rfind('/');
  if (lastSlash == std::string_view::npos) {
    return WithTrailingSlash(URL);
  }
  return std::string(URL.substr(0, lastSlash + 1));
}

std::string GetURLFileName(std::string_view URL) {
  const std::size_t last = URL.find_last_of("&/=\\");
  return std::string(last == std::string_view::npos ? URL : URL.substr(last + 1));
}

}  // namespace porvan
