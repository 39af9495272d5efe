// The stop text of a transfer, judged the same way on every platform.
#pragma once

#include <cstdint>
#include <string>

namespace porvan {

// What the platform said at the end of a transfer.
struct TTransferEnd {
  std::string PlatformError;    // the platform's own text, CP949; may be empty on a failure
  bool PlatformFailed = false;  // the platform's result code said the transfer failed
  bool Aborted = false;         // a progress notification asked to end it
  int HttpStatus = 0;           // the reply's status; 0 when none arrived
  std::uint32_t Received = 0;   // bytes of the body, as the last progress notification said
  std::uint32_t Expected = 0;   // the body's announced size; 0 when none was announced
};

// The stop notification's error text: empty only for a whole 2xx reply that the platform
// delivered without failure or abort. Platforms that report a failed reply as a success (Wine
// reports a 404, a dropped connection or a body cut short so) are judged here by the status
// and the sizes they saw.
std::string TransferStopText(const TTransferEnd& end);

}  // namespace porvan
