// Exchanges of TFormPostClient with a loopback server over real sockets, shared by the native and
// the Windows tests so that both socket implementations meet the same replies.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "http/exchange_status.h"
#include "platform/socket.h"
#include "platform/socket_listener.h"
#include "support/loopback_server.h"

namespace porvan::testing {

struct TExchangeCase {
  std::string Name;
  std::vector<TServerTurn> Turns;  // the client posts the FTP open form once for each
  TExchangeStatus Status;          // of the last post
  std::string Body{};              // of the last post
  std::string LastRequestHas{};    // a piece the last request must contain
};

std::vector<TExchangeCase> LoopbackExchangeCases();

// Posts through a client with short time limits and checks the outcome with gtest.
void CheckExchange(const TExchangeCase& exchange, TLoopback address, ISocketFactory& sockets);

// The whole FTP open request for example.com as it must appear on the wire.
std::string ExpectedOpenRequest(const std::string& hostHeader);

// Posts the FTP open form to a loopback server and checks every byte the server received.
void CheckOpenRequestBytes(TLoopback address, ISocketFactory& sockets);

// A server that drips its reply a byte at a time, never silent for long: with a clock that
// moves a second at each reading, the exchange must end at its deadline, long before the reply
// is whole.
void CheckDripFedExchangeEnds(TLoopback address, ISocketFactory& sockets);

// A clock that moves on by `step` each time it is read, so that deadlines pass without waiting.
std::function<std::chrono::steady_clock::time_point()> SteppingClock(
    std::chrono::milliseconds step);

}  // namespace porvan::testing
