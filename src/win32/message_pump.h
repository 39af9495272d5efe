// Handling the window messages that wait now, from inside a long call on the GUI thread.
#pragma once

namespace porvan {

// Dispatches every waiting message as the program's loop would (dialog keys included) and
// returns. A WM_QUIT is put back for the loop further out that waits for it.
void HandleWaitingMessages();

}  // namespace porvan
