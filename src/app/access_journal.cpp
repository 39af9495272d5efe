// TAccessJournal: records of open requests sent, kept beside the settings file.
#include "app/access_journal.h"

#include <algorithm>
#include <map>

#include "common/code_page.h"
#include "common/notice.h"
#include "common/path_text.h"
#include "common/text_bytes.h"
#include "platform/file_system.h"
#include "platform/instances.h"
#include "settings/settings_file.h"
#include "settings/write_error.h"

namespace porvan {
namespace {

// The lock is held only while the file is read and replaced, a few milliseconds.
constexpr std::chrono::milliseconds kLockWait{3000};

const char* const kSetAsideNotice = "접근 기록 파일을 읽을 수 없어 다른 이름으로 옮겨 두었습니다:";
const char* const kUnusableNotice = "접근 기록 파일을 읽을 수 없습니다:";

// The server may take the domain without case and blanks; so the client compares it too.
bool SameAccess(const TJournalRecord& a, const TJournalRecord& b) {
  return a.Protocol == b.Protocol && EqualsNoCase(TrimBlanks(a.Domain), TrimBlanks(b.Domain));
}

}  // namespace

TPath JournalPathFor(const TPath& executablePath) {
  std::string path = PathToUtf8(SettingsPathFor(executablePath));
  path.resize(path.size() - std::string_view(".ini").size());
  return PathFromUtf8(path + ".journal");
}

std::int64_t SystemSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

TAccessJournal::TAccessJournal(IFileSystem& files, IInstances& instances, IMessageBox& messages,
                               TPath path, TClock clock)
    : files_(files),
      instances_(instances),
      messages_(messages),
      path_(std::move(path)),
      clock_(std::move(clock)),
      instance_(instances.CurrentInstance()) {}

bool TAccessJournal::Add(const std::string& protocol, const std::string& domain) {
  const TJournalRecord record{protocol, domain, instance_, clock_()};
  const bool added = Change([&record](std::vector<TJournalRecord>& records) {
    // One more, or one this long, and the next read would take the journal for damaged and set
    // every record aside.
    if (records.size() >= kJournalRecordLimit) {
      return false;
    }
    records.push_back(record);
    if (FormatJournal(records).size() > kJournalByteLimit) {
      records.pop_back();
      return false;
    }
    return true;
  });
  if (added) {
    return true;
  }
  ShowErrorReport(messages_, TWriteError(PathDisplayText(path_)).what());
  return false;
}

void TAccessJournal::Remove(const std::string& protocol, const std::string& domain) {
  Change([&](std::vector<TJournalRecord>& records) {
    const auto found = std::find_if(records.begin(), records.end(), [&](const auto& record) {
      return record.Instance == instance_ && record.Protocol == protocol && record.Domain == domain;
    });
    if (found != records.end()) {
      records.erase(found);
    }
    return true;
  });
}

std::vector<TJournalRecord> TAccessJournal::ClaimLeftovers() {
  std::vector<TJournalRecord> claimed;
  Change([&](std::vector<TJournalRecord>& records) {
    std::map<std::string, bool> running{{instance_, true}};
    std::vector<TJournalRecord> held;
    std::vector<TJournalRecord> left;
    for (const TJournalRecord& record : records) {
      auto [known, added] = running.try_emplace(record.Instance, false);
      if (added) {
        known->second = instances_.IsRunning(record.Instance);
      }
      (known->second ? held : left).push_back(record);
    }
    for (TJournalRecord& record : left) {
      const bool heldElsewhere = std::any_of(
          held.begin(), held.end(), [&](const auto& other) { return SameAccess(record, other); });
      if (!heldElsewhere) {
        record.Instance = instance_;
        claimed.push_back(record);
        held.push_back(record);
      }
    }
    records = std::move(held);
    return true;
  });
  return claimed;
}

bool TAccessJournal::Change(const TChange& change) {
  const std::unique_ptr<IInstanceLock> lock =
      instances_.ExclusiveLock(PathWithSuffix(path_, ".lock"), kLockWait);
  if (!lock) {
    return false;
  }
  std::optional<std::vector<TJournalRecord>> records = Load();
  if (!records) {
    return false;
  }
  std::vector<TJournalRecord> changed = *records;
  return change(changed) && (changed == *records || Store(changed));
}

std::optional<std::vector<TJournalRecord>> TAccessJournal::Load() {
  if (!files_.IsFile(path_)) {
    return std::vector<TJournalRecord>();
  }
  // One byte over the limit is enough to know the file is too long.
  const std::optional<std::string> bytes = files_.LoadFileHead(path_, kJournalByteLimit + 1);
  TJournalContents contents =
      bytes ? ParseJournal(*bytes) : TJournalContents{TJournalFormat::Damaged, {}};
  if (contents.Format == TJournalFormat::Read) {
    return std::move(contents.Records);
  }
  if (!SetAside()) {
    return std::nullopt;
  }
  return std::vector<TJournalRecord>();
}

bool TAccessJournal::Store(const std::vector<TJournalRecord>& records) {
  return records.empty() ? files_.RemoveFile(path_)
                         : files_.SaveFile(path_, FormatJournal(records));
}

bool TAccessJournal::SetAside() {
  const TPath aside = PathWithSuffix(path_, ".damaged-" + std::to_string(clock_()));
  if (files_.RenameFile(path_, aside)) {
    ShowNotice(messages_, Utf8ToCp949(kSetAsideNotice) + "\r\r" + PathDisplayText(aside));
    return true;
  }
  // It stays where it is, for a later start to set aside; this run says so once.
  if (!unusableReported_) {
    unusableReported_ = true;
    ShowNotice(messages_, Utf8ToCp949(kUnusableNotice) + "\r\r" + PathDisplayText(path_));
  }
  return false;
}

}  // namespace porvan
