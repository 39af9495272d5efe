// The transfer seam on POSIX systems: libcurl fetches and probes.
#include "posix/posix_url_transfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

#include "common/path_text.h"
#include "common/transfer_stop_text.h"

namespace porvan {

namespace {

struct TCurlCleanup {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using TCurl = std::unique_ptr<CURL, TCurlCleanup>;

struct TFileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileClose>;

struct TSlistFree {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using TSlist = std::unique_ptr<curl_slist, TSlistFree>;

std::uint32_t Clamp32(curl_off_t bytes) {
  constexpr curl_off_t kMax = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(std::clamp<curl_off_t>(bytes, 0, kMax));
}

// A silence of this many seconds ends the transfer: curl's "too slow" test with a floor of one
// byte a second is the nearest thing it has to a limit on waiting.
long SilenceSeconds(const TTransferLimits& limits) {
  const auto seconds = (limits.Silence.count() + 999) / 1000;
  return static_cast<long>(std::max<decltype(seconds)>(seconds, 1));
}

void SetLimits(CURL* curl, const TTransferLimits& limits) {
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.Connect.count()));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, SilenceSeconds(limits));
}

// What one transfer shares with curl's callbacks.
struct TTransferState {
  IUrlTransferEvents& Events;
  const std::string& Url;
  std::FILE* File;
  bool Aborted = false;
  bool Reported = false;  // a progress notification went out
  curl_off_t LastNow = 0;
  curl_off_t LastTotal = 0;
};

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& state = *static_cast<TTransferState*>(user);
  return std::fwrite(data, size, count, state.File) * size;
}

int ReportProgress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
  auto& state = *static_cast<TTransferState*>(user);
  // curl also calls while nothing moves; the platform's notifications come only with news.
  if (state.Reported && now == state.LastNow && total == state.LastTotal) {
    return 0;
  }
  state.Reported = true;
  state.LastNow = now;
  state.LastTotal = total;
  if (!state.Events.OnProgress(Clamp32(now), Clamp32(total), state.Url)) {
    state.Aborted = true;
    return 1;
  }
  return 0;
}

// Runs the transfer into `file` and says how it ended.
TTransferEnd Fetch(CURL* curl, const std::string& url, std::FILE* file, IUrlTransferEvents& events,
                   const TTransferLimits& limits) {
  TTransferState state{.Events = events, .Url = url, .File = file};
  char error[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  // Large reads mean fewer writes and notifications on a fast line.
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, 100L * 1024);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, ReportProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &state);
  SetLimits(curl, limits);

  const CURLcode code = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  TTransferEnd end;
  end.PlatformFailed = code != CURLE_OK;
  if (end.PlatformFailed) {
    end.PlatformError = error[0] != '\0' ? error : curl_easy_strerror(code);
  }
  end.Aborted = state.Aborted;
  end.HttpStatus = static_cast<int>(status);
  return end;
}

}  // namespace

TCurlUrlTransfer::TCurlUrlTransfer() {
  curl_global_init(CURL_GLOBAL_DEFAULT);
}

TCurlUrlTransfer::~TCurlUrlTransfer() {
  curl_global_cleanup();
}

void TCurlUrlTransfer::Download(const std::string& url, const TPath& path,
                                IUrlTransferEvents& events, const TTransferLimits& limits) {
  const TCurl curl(curl_easy_init());
  if (!curl) {
    return;
  }
  events.OnStartBinding();
  const TPath partPath(path.native() + ".part");
  TFile file(std::fopen(partPath.c_str(), "wb"));
  if (!file) {
    events.OnStopBinding("The file " + PathDisplayText(partPath) + " cannot be written.");
    return;
  }
  TTransferEnd end = Fetch(curl.get(), url, file.get(), events, limits);
  if (std::fclose(file.release()) != 0 && !end.PlatformFailed) {
    end.PlatformFailed = true;
    end.PlatformError = "The file " + PathDisplayText(partPath) + " could not be completed.";
  }
  std::string errorText = TransferStopText(end);
  if (errorText.empty() && std::rename(partPath.c_str(), path.c_str()) != 0) {
    errorText = "The file " + PathDisplayText(path) + " cannot be replaced.";
  }
  if (!errorText.empty()) {
    std::remove(partPath.c_str());
  }
  events.OnStopBinding(errorText);
}

TSecureProbeReply TCurlUrlTransfer::ProbeSecure(const std::string& url, const std::string& referer,
                                                const TTransferLimits& limits) {
  TSecureProbeReply reply;
  const TCurl curl(curl_easy_init());
  if (!curl) {
    return reply;
  }
  const TSlist headers(curl_slist_append(nullptr, ("Referer: " + referer).c_str()));
  curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "https");
  curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
  SetLimits(curl.get(), limits);
  // A probe as a whole ends: the connect's limit and the probe's own after it.
  curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS,
                   static_cast<long>((limits.Connect + limits.Probe).count()));
  if (curl_easy_perform(curl.get()) != CURLE_OK) {
    return reply;
  }
  long status = 0;
  curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
  reply.Answered = status != 0;
  reply.Status = static_cast<int>(status);
  curl_header* location = nullptr;
  if (curl_easy_header(curl.get(), "Location", 0, CURLH_HEADER, -1, &location) == CURLHE_OK) {
    reply.Location = location->value;
  }
  return reply;
}

}  // namespace porvan
