// The form body of a post: field values escaped byte by byte, lines joined with "&".
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace porvan {

// One line of a form: fixed text of the program's own, sent as it stands, and a value from a
// caller, escaped so that it can never add or replace a field.
struct TFormLine {
  // "name=value": the name and the "=" are fixed, the rest is the value; a line without "=" is
  // all fixed.
  TFormLine(std::string_view line);
  TFormLine(const char* line) : TFormLine(std::string_view(line)) {}
  TFormLine(const std::string& line) : TFormLine(std::string_view(line)) {}
  // Fixed text that may itself hold several fields ("mode=check_version&version=").
  TFormLine(std::string fixed, std::string value)
      : Fixed(std::move(fixed)), Value(std::move(value)) {}

  std::string Fixed;
  std::string Value;
};

// Escapes space # % & * + ; < = > [ ], bytes below 33 and above 128 as "%XX"; copies every other
// byte, so 0x80 passes unchanged and no value can hold a field separator of its own.
std::string EncodeFieldValue(std::string_view value);

// Each line's fixed text and its encoded value; two or more lines each end with "&" (the last
// included), one line stands alone; bytes 0-32 are trimmed from both ends of the result.
std::string BuildFormBody(const std::vector<TFormLine>& lines);

}  // namespace porvan
