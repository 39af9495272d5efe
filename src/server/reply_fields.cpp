// Splitting a server reply into its fields.
#include "server/reply_fields.h"

#include "common/text_bytes.h"

namespace porvan {

namespace {

// Walks the reply; the end of the view and a NUL byte both end the text.
class TReplyCursor {
 public:
  explicit TReplyCursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size() || text_[pos_] == '\0'; }
  char Current() const { return text_[pos_]; }
  bool IsLast() const { return pos_ + 1 >= text_.size() || text_[pos_ + 1] == '\0'; }
  void Step() { ++pos_; }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Current())) {
      Step();
    }
  }

  // After the opening quote: up to the next quote that is not doubled, or the end.
  std::string ReadQuoted() {
    std::string field;
    Step();
    while (!AtEnd()) {
      if (Current() == '"') {
        Step();
        if (AtEnd() || Current() != '"') {
          break;
        }
      }
      field += Current();
      Step();
    }
    return field;
  }

  std::string ReadPlain(char delimiter) {
    const std::size_t start = pos_;
    while (!AtEnd() && Current() != delimiter && !IsBlank(Current())) {
      Step();
    }
    return std::string(text_.substr(start, pos_ - start));
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> SplitReplyFields(std::string_view reply, char delimiter,
                                          std::size_t maxFields) {
  std::vector<std::string> fields;
  TReplyCursor cursor(reply);
  cursor.SkipBlanks();
  while (!cursor.AtEnd() && fields.size() < maxFields) {
    fields.push_back(cursor.Current() == '"' ? cursor.ReadQuoted() : cursor.ReadPlain(delimiter));
    cursor.SkipBlanks();
    if (!cursor.AtEnd() && cursor.Current() == delimiter) {
      if (cursor.IsLast() && fields.size() < maxFields) {
        fields.emplace_back();
      }
      cursor.Step();
      cursor.SkipBlanks();
    }
  }
  return fields;
}

std::string FieldOrEmpty(const std::vector<std::string>& fields, std::size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

}  // namespace porvan
