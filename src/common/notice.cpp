// The program's title and its two standard boxes.
#include "common/notice.h"

#include "common/code_page.h"
#include "platform/message_box.h"

namespace porvan {

void ShowNotice(IMessageBox& messages, const std::string& text) {
  messages.Show(text, Utf8ToCp949(kApplicationTitle), mb::kOk);
}

void ShowErrorReport(IMessageBox& messages, const std::string& text) {
  messages.Show(text, Utf8ToCp949(kApplicationTitle), mb::kOk | mb::kIconError);
}

}  // namespace porvan
