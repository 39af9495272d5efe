// The one road by which a view runs form logic: an error escaping a handler is reported, and the
// message loop goes on.
#pragma once

#include <functional>

namespace porvan {

class IMessageBox;

// Runs the handler. An error that escapes it is shown in the general error report, the rest of
// the handler is skipped, and false is returned.
bool RunHandler(IMessageBox& messages, const std::function<void()>& handler);

}  // namespace porvan
