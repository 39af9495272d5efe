// The quit channel: one line "quit" on a user-only local socket; the requester waits for the
// instance to end, which closes the connection.
#include "qt/quit_channel.h"

#include <QLocalSocket>
#include <QStandardPaths>
#include <string_view>

namespace porvan {
namespace {

constexpr std::string_view kQuitRequest = "quit\n";

}  // namespace

QString QuitChannelName() {
  // In the user's own runtime folder, which Qt takes only when the user owns it and nobody else
  // may enter: in the shared temporary folder another user could bind the name first and take
  // the requests. Empty when there is no such folder.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return folder.isEmpty() ? QString() : folder + QStringLiteral("/porvan-quit");
}

TQuitChannel::TQuitChannel(const QString& name, std::function<void()> onQuit)
    : onQuit_(std::move(onQuit)) {
  if (name.isEmpty()) {
    return;  // nowhere safe to listen: the instance still ends with the session or a signal
  }
  {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
      return;  // a running instance answers this name
    }
  }
  // Nobody answers: a socket file left by a killed instance is in the way.
  QLocalServer::removeServer(name);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(name);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
    while (QLocalSocket* client = server_.nextPendingConnection()) {
      // Kept open until this process ends, so the requester sees when it has. A line is a few
      // bytes; a client that sends more without a line end fills no more than this.
      client->setReadBufferSize(static_cast<qint64>(kQuitRequest.size()) * 4);
      QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
        if (client->canReadLine() && client->readLine(64).toStdString() == kQuitRequest) {
          onQuit_();
        }
      });
    }
  });
}

bool SendQuit(const QString& name, int timeoutMs) {
  if (name.isEmpty()) {
    return false;
  }
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) {
    return false;
  }
  socket.write(kQuitRequest.data(), static_cast<qint64>(kQuitRequest.size()));
  if (!socket.waitForBytesWritten(timeoutMs)) {
    return false;
  }
  return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeoutMs);
}

}  // namespace porvan
