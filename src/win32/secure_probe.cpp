// The https probe on Windows: one HEAD request through WinINet, redirects not followed.
#include "win32/secure_probe.h"

#include <windows.h>
#include <wininet.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "win32/wide_text.h"

namespace porvan {

namespace {

struct TInternetClose {
  void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using TInternetHandle = std::unique_ptr<void, TInternetClose>;

// One probe, shared by the caller and the thread that runs it. WinINet bounds each wait but not
// the whole request, and Wine's WinINet does not end a call whose handle another thread closes;
// so the caller waits for the thread only until the deadline, and then closes the request (which
// ends the call on Windows) and leaves the thread to end on WinINet's own time limits.
struct TProbeJob {
  std::mutex Mutex;
  std::condition_variable Ended;
  bool Finished = false;
  TSecureProbeReply Reply;
  HINTERNET Request = nullptr;  // closed by whichever side comes first
};

void CloseRequest(TProbeJob& job) {
  const std::lock_guard<std::mutex> lock(job.Mutex);
  if (job.Request != nullptr) {
    InternetCloseHandle(job.Request);
    job.Request = nullptr;
  }
}

void SetTimeLimit(HINTERNET handle, DWORD option, std::chrono::milliseconds limit) {
  DWORD value = static_cast<DWORD>(limit.count());
  InternetSetOptionW(handle, option, &value, sizeof value);
}

// A header of the reply as text; empty when it is missing.
std::wstring QueryText(HINTERNET request, DWORD info) {
  DWORD size = 0;
  HttpQueryInfoW(request, info, nullptr, &size, nullptr);
  if (size == 0) {
    return {};
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (!HttpQueryInfoW(request, info, text.data(), &size, nullptr)) {
    return {};
  }
  text.resize(size / sizeof(wchar_t));
  return text;
}

TSecureProbeReply RunProbe(TProbeJob& job, const std::string& url, const std::string& referer,
                           const TTransferLimits& limits) {
  TSecureProbeReply reply;
  std::wstring wideUrl = Wide(url);
  wchar_t host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
  wchar_t path[INTERNET_MAX_PATH_LENGTH] = {};
  wchar_t extra[INTERNET_MAX_PATH_LENGTH] = {};
  URL_COMPONENTSW parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host;
  parts.dwHostNameLength = INTERNET_MAX_HOST_NAME_LENGTH;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = INTERNET_MAX_PATH_LENGTH;
  parts.lpszExtraInfo = extra;
  parts.dwExtraInfoLength = INTERNET_MAX_PATH_LENGTH;
  if (!InternetCrackUrlW(wideUrl.c_str(), 0, 0, &parts) || parts.nScheme != INTERNET_SCHEME_HTTPS) {
    return reply;
  }
  // No user agent: the probe names no program.
  const TInternetHandle session(
      InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) {
    return reply;
  }
  SetTimeLimit(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, limits.Connect);
  SetTimeLimit(session.get(), INTERNET_OPTION_SEND_TIMEOUT, limits.Silence);
  SetTimeLimit(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, limits.Silence);
  const TInternetHandle connection(InternetConnectW(session.get(), host, parts.nPort, nullptr,
                                                    nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) {
    return reply;
  }
  const std::wstring target = std::wstring(path) + extra;
  const std::wstring wideReferer = Wide(referer);
  const DWORD flags = INTERNET_FLAG_SECURE | INTERNET_FLAG_NO_AUTO_REDIRECT |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI | INTERNET_FLAG_RELOAD |
                      INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
  HINTERNET request = HttpOpenRequestW(connection.get(), L"HEAD", target.c_str(), L"HTTP/1.1",
                                       wideReferer.c_str(), nullptr, flags, 0);
  if (request == nullptr) {
    return reply;
  }
  {
    const std::lock_guard<std::mutex> lock(job.Mutex);
    job.Request = request;
  }
  DWORD status = 0;
  DWORD size = sizeof status;
  if (HttpSendRequestW(request, nullptr, 0, nullptr, 0) &&
      HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                     nullptr)) {
    reply.Answered = true;
    reply.Status = static_cast<int>(status);
    reply.Location = Narrow(QueryText(request, HTTP_QUERY_LOCATION));
  }
  CloseRequest(job);
  return reply;
}

}  // namespace

TSecureProbeReply ProbeWithWinInet(const std::string& url, const std::string& referer,
                                   const TTransferLimits& limits) {
  auto job = std::make_shared<TProbeJob>();
  std::thread([job, url, referer, limits] {
    TSecureProbeReply reply = RunProbe(*job, url, referer, limits);
    const std::lock_guard<std::mutex> lock(job->Mutex);
    job->Reply = std::move(reply);
    job->Finished = true;
    job->Ended.notify_one();
  }).detach();
  // The connect happens inside the send, so the deadline takes its limit as well.
  std::unique_lock<std::mutex> lock(job->Mutex);
  if (job->Ended.wait_for(lock, limits.Connect + limits.Probe, [&job] { return job->Finished; })) {
    return job->Reply;
  }
  lock.unlock();
  CloseRequest(*job);
  return {};
}

}  // namespace porvan
