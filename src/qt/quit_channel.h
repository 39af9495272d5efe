// The local socket through which `porvan --quit` asks the running instance to end, as
// WM_APP_QUIT does on Windows.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

namespace porvan {

// The socket's path, in a folder of the user's own, so one user's client never ends another's
// and no other user can stand in for it; empty when the user has no such folder.
QString QuitChannelName();

// Listens for quit requests while it exists; `onQuit` runs on the GUI thread for each.
class TQuitChannel {
 public:
  TQuitChannel(const QString& name, std::function<void()> onQuit);
  // False when another running instance already listens: the requests reach that one.
  bool Listening() const { return server_.isListening(); }

 private:
  QLocalServer server_;
  std::function<void()> onQuit_;
};

// Asks the instance listening on `name` to end and waits (up to `timeoutMs`) until it has
// ended. False when no instance listens or it did not end in time.
bool SendQuit(const QString& name, int timeoutMs);

}  // namespace porvan
