// TAccessJournal: the file beside the settings file that records each open request before it is
// sent, so that access a crash, a kill or a power cut left open is closed at the next start.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/access_journal_format.h"
#include "common/path_text.h"

namespace porvan {

class IFileSystem;
class IInstances;
class IMessageBox;

// The settings file's path with ".journal" in place of ".ini".
TPath JournalPathFor(const TPath& executablePath);

// Every change reads, changes and replaces the whole file under the instances' lock, so two
// instances never lose each other's records. A damaged journal, or one of another format, is
// renamed aside (its notice shown once, as it is then gone) and the journal starts empty; one
// that cannot be renamed is reported once per run and blocks every change.
class TAccessJournal {
 public:
  using TClock = std::function<std::int64_t()>;

  TAccessJournal(IFileSystem& files, IInstances& instances, IMessageBox& messages, TPath path,
                 TClock clock);

  const TPath& Path() const { return path_; }

  // Before an open request. False when the record could not be written (or the journal holds
  // as many records as a journal may): the error report has been shown, and the request must
  // not be sent.
  bool Add(const std::string& protocol, const std::string& domain);

  // After a close that succeeded or an open that failed: this instance's first record of the
  // protocol and domain goes. A record that cannot be removed stays, and costs one close request
  // too many at a later start.
  void Remove(const std::string& protocol, const std::string& domain);

  // The records of instances that no longer run, made this instance's own so that another
  // instance starting now leaves them alone; the caller closes each and removes it. A record
  // whose access a running instance also holds (same protocol, same domain) is removed instead:
  // its close would close that instance's access. When the journal cannot be written the records
  // are given all the same: closing twice is harmless, leaving access open is not.
  std::vector<TJournalRecord> ClaimLeftovers();

 private:
  // Changes the records in place; false refuses the change.
  using TChange = std::function<bool(std::vector<TJournalRecord>&)>;

  bool Change(const TChange& change);
  std::optional<std::vector<TJournalRecord>> Load();
  bool Store(const std::vector<TJournalRecord>& records);
  bool SetAside();

  IFileSystem& files_;
  IInstances& instances_;
  IMessageBox& messages_;
  const TPath path_;
  TClock clock_;
  const std::string instance_;
  bool unusableReported_ = false;
};

// Seconds since 1970 UTC by the system clock.
std::int64_t SystemSeconds();

}  // namespace porvan
