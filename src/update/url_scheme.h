// Which URLs the download may fetch, and which redirects it may follow.
#pragma once

#include <string_view>

namespace porvan {

// True for a URL that starts with "http://" or "https://" (any case). The installer is fetched
// from nothing else: another scheme would hand the platform a file share, a local file or a
// program of its own to open.
bool IsFetchableUrl(std::string_view url);

enum class TRedirectVerdict {
  Allowed,
  OtherScheme,  // to a scheme other than http and https
  Downgrade,    // from https down to plain http, which anyone on the path may rewrite
};

// Judges a redirect from `url` to `location`, as a server sent it or as the platform reports
// it. A location without a scheme of its own keeps the scheme of `url`.
TRedirectVerdict JudgeRedirect(std::string_view url, std::string_view location);

}  // namespace porvan
