// The start's mend for access that a crash, a kill or a power cut left open.
#include "app/leftover_access.h"

#include <algorithm>

#include "app/access_journal.h"
#include "common/code_page.h"
#include "server/remote_server_con.h"

namespace porvan {

std::size_t CloseLeftoverAccess(TAccessJournal& journal, TRemoteServerCon& server) {
  std::vector<TJournalRecord> leftovers = journal.ClaimLeftovers();
  std::stable_partition(leftovers.begin(), leftovers.end(),
                        [](const TJournalRecord& record) { return record.Protocol == "FTP"; });
  for (const TJournalRecord& record : leftovers) {
    if (record.Protocol == "FTP") {
      server.CloseFTP(record.Domain);
    } else {
      server.CloseSSH(record.Domain);
    }
    journal.Remove(record.Protocol, record.Domain);
  }
  return leftovers.size();
}

std::string LeftoverAccessHint() {
  return Utf8ToCp949("Porvan접근통제시스템\r지난 실행에서 열린 접근을 닫았습니다");
}

}  // namespace porvan
