// A scripted HTTP test server on a loopback address: records raw requests, answers raw bytes.
#include "support/loopback_server.h"

#include <cctype>
#include <cstdlib>

#include "support/system_seams.h"

namespace porvan::testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kSlice = 50ms;  // how often a waiting server looks whether it must stop
constexpr auto kRequestWait = 5s;
constexpr auto kDripPause = 2ms;

std::size_t ContentLength(const std::string& head) {
  std::string lower;
  for (const char c : head) {
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  const std::size_t name = lower.find("\ncontent-length:");
  if (name == std::string::npos) {
    return 0;
  }
  return std::strtoull(head.c_str() + name + 16, nullptr, 10);
}

}  // namespace

std::string ReadRawRequest(ISocket& socket, std::chrono::milliseconds wait) {
  std::string request;
  std::size_t headEnd = std::string::npos;
  std::size_t total = 0;
  while (headEnd == std::string::npos || request.size() < total) {
    if (socket.Receive(request, 4096, wait) != TNetStatus::Ok) {
      break;
    }
    if (headEnd == std::string::npos && (headEnd = request.find("\r\n\r\n")) != std::string::npos) {
      total = headEnd + 4 + ContentLength(request.substr(0, headEnd + 2));
    }
  }
  return request;
}

TLoopbackServer::TLoopbackServer(std::vector<TServerTurn> turns, TLoopback address)
    : turns_(std::move(turns)),
      address_(address),
      listener_(TSystemSocketListener::OnLoopback(address)) {
  if (listener_) {
    thread_ = std::thread([this] { Serve(); });
  }
}

TLoopbackServer::~TLoopbackServer() {
  stop_ = true;
  if (thread_.joinable()) {
    thread_.join();
  }
}

std::string TLoopbackServer::Url(const std::string& target) const {
  const std::string host = address_ == TLoopback::IPv4 ? "127.0.0.1" : "[::1]";
  return "http://" + host + ":" + std::to_string(Port()) + target;
}

std::vector<std::string> TLoopbackServer::Requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

bool TLoopbackServer::WaitUntilServed(std::chrono::milliseconds limit) const {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!served_ && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return served_;
}

void TLoopbackServer::Serve() {
  for (const TServerTurn& turn : turns_) {
    TConnectResult accepted;
    while (!stop_ && accepted.Status != TNetStatus::Ok) {
      accepted = listener_->Accept(kSlice);
    }
    if (stop_) {
      return;
    }
    ServeTurn(*accepted.Socket, turn);
  }
  served_ = true;
}

void TLoopbackServer::ServeTurn(ISocket& socket, const TServerTurn& turn) {
  std::string request = ReadRawRequest(socket, kRequestWait);
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(std::move(request));
  }
  for (auto held = std::chrono::milliseconds(0); held < turn.Hold && !stop_; held += kSlice) {
    std::this_thread::sleep_for(kSlice);
  }
  switch (turn.Act) {
    case TServerAct::Answer:
      socket.SendAll(turn.Reply, kRequestWait);
      break;
    case TServerAct::AnswerAndHold:
      if (socket.SendAll(turn.Reply, kRequestWait) == TNetStatus::Ok) {
        WaitForClientClose(socket);
      }
      break;
    case TServerAct::CloseUnanswered:
      break;
    case TServerAct::StaySilent:
      WaitForClientClose(socket);
      break;
    case TServerAct::Drip:
      for (std::size_t at = 0; at < turn.Reply.size() && !stop_; ++at) {
        if (socket.SendAll(std::string_view(turn.Reply).substr(at, 1), kRequestWait) !=
            TNetStatus::Ok) {
          break;
        }
        std::this_thread::sleep_for(kDripPause);
      }
      break;
  }
}

void TLoopbackServer::WaitForClientClose(ISocket& socket) const {
  std::string ignored;
  while (!stop_) {
    const TNetStatus status = socket.Receive(ignored, 4096, kSlice);
    if (status == TNetStatus::Closed || status == TNetStatus::Error) {
      return;
    }
    ignored.clear();
  }
}

}  // namespace porvan::testing
