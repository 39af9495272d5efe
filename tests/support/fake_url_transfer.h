// Fakes of the download seams: a scripted transfer that records its calls, a temporary folder.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/path_text.h"
#include "platform/temp_path.h"
#include "platform/url_transfer.h"

namespace porvan::testing {

class FakeFileSystem;

// One transfer as the platform would run it; a FakeFileSystem given to the transfer gets the
// written file. An empty script runs a default one: it begins,
// writes "installer" and stops without an error text.
struct TScriptedTransfer {
  bool Begins = true;
  std::vector<std::string> Redirects;  // URLs the platform follows by itself, after the start
  std::vector<std::pair<std::uint32_t, std::uint32_t>> Progress;  // (position, max) each
  std::optional<std::string> Written = "installer";               // put at the path unless aborted
  std::string StopText;  // the stop's error text when not aborted
};

struct TTransferCall {
  std::string Url;
  std::string Path;  // UTF-8
  TTransferLimits Limits;
};

struct TProbeCall {
  std::string Url;
  std::string Referer;
};

class FakeUrlTransfer : public IUrlTransfer {
 public:
  explicit FakeUrlTransfer(FakeFileSystem* files = nullptr) : files_(files) {}

  std::deque<TScriptedTransfer> Script;
  std::deque<TSecureProbeReply> ProbeReplies;  // an empty queue answers 200 without Location
  // Runs after each progress notification, where the platform would handle window messages.
  std::function<void()> AfterProgress;

  std::vector<TTransferCall> Downloads;
  std::vector<TProbeCall> Probes;
  std::vector<bool> ProgressAnswers;  // what each progress notification answered

  void Download(const std::string& url, const TPath& path, IUrlTransferEvents& events,
                const TTransferLimits& limits) override;
  TSecureProbeReply ProbeSecure(const std::string& url, const std::string& referer,
                                const TTransferLimits& limits) override;

 private:
  FakeFileSystem* files_;
};

// Answers `Path` (UTF-8) as the platform would; `Failing` stands for a platform that cannot say.
class FakeTempPath : public ITempPath {
 public:
  std::string Path = "C:\\users\\root\\Temp\\";
  bool Failing = false;
  int Queries = 0;

  TPath Query(std::uint32_t bufferLength) override {
    ++Queries;
    return Failing ? TPath() : PathIfItFits(PathFromUtf8(Path), bufferLength);
  }
};

}  // namespace porvan::testing
