// The notice that tells the user why the secure connection to the server failed.
#pragma once

#include <string>

#include "platform/socket.h"

namespace porvan {

// CP949 text naming the reason; the certificate reasons name the certificate (인증서). Not for
// None.
std::string TlsFailureText(TTlsFailure failure);

}  // namespace porvan
