// The start's mend for access that a crash, a kill or a power cut left open: close what the
// journal holds of instances that no longer run.
#pragma once

#include <cstddef>
#include <string>

namespace porvan {

class TAccessJournal;
class TRemoteServerCon;

// Sends the ordinary close request for each leftover record, FTP before SSH, whatever the reply,
// and removes the record after it. Gives the number of close requests sent.
std::size_t CloseLeftoverAccess(TAccessJournal& journal, TRemoteServerCon& server);

// The tray hint after a start that closed leftover access, CP949.
std::string LeftoverAccessHint();

}  // namespace porvan
