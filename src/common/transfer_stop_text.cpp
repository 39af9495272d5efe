// The stop text of a transfer, judged the same way on every platform.
#include "common/transfer_stop_text.h"

namespace porvan {

std::string TransferStopText(const TTransferEnd& end) {
  if (!end.PlatformError.empty()) {
    return end.PlatformError;
  }
  if (end.Aborted) {
    return "The transfer was aborted.";
  }
  if (end.PlatformFailed) {
    return "The transfer failed.";
  }
  if (end.HttpStatus == 0) {
    return "The server sent no reply.";
  }
  if (end.HttpStatus < 200 || end.HttpStatus > 299) {
    return "The server answered with status " + std::to_string(end.HttpStatus) + ".";
  }
  if (end.Received < end.Expected) {
    return "The connection ended after " + std::to_string(end.Received) + " of " +
           std::to_string(end.Expected) + " bytes.";
  }
  return {};
}

}  // namespace porvan
