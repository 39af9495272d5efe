// The one road by which a view runs form logic.
#include "app/handler_guard.h"

#include <exception>

#include "common/notice.h"

namespace porvan {

bool RunHandler(IMessageBox& messages, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ShowErrorReport(messages, error.what());
    return false;
  }
}

}  // namespace porvan
