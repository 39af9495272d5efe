// The platform's own sockets, listener and transfer under one name each, for test code that
// builds both natively and for Windows.
#pragma once

#ifdef _WIN32
#include "win32/win32_socket_factory.h"
#include "win32/win32_socket_listener.h"
#include "win32/win32_url_transfer.h"
#else
#include "posix/posix_socket_factory.h"
#include "posix/posix_socket_listener.h"
#include "posix/posix_url_transfer.h"
#endif

namespace porvan::testing {

#ifdef _WIN32
using TSystemSocketFactory = TWinsockSocketFactory;
using TSystemSocketListener = TWinsockSocketListener;
using TSystemUrlTransfer = TUrlMonikerTransfer;
#else
using TSystemSocketFactory = TPosixSocketFactory;
using TSystemSocketListener = TPosixSocketListener;
using TSystemUrlTransfer = TCurlUrlTransfer;
#endif

}  // namespace porvan::testing
