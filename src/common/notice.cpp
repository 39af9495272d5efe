// The program's title and its two standard boxes.
#include "common/notice.h"

#include "platform/code_page.h"
#include "platform/message_box.h"

namespace porvan {

const std::string& ApplicationTitle() {
  static const std::string title = Utf8ToCp949("Porvan 접근통제 시스템");
  return title;
}

void ShowNotice(IMessageBox& messages, const std::string& text) {
  messages.Show(text, ApplicationTitle(), mb::kOk);
}

void ShowErrorReport(IMessageBox& messages, const std::string& text) {
  messages.Show(text, ApplicationTitle(), mb::kOk | mb::kIconError);
}

}  // namespace porvan
