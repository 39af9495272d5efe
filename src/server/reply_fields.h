// Splitting a server reply into its fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace porvan {

// Fields are separated by the delimiter and by blanks (codes 1-32); a NUL ends the text. A field
// that opens with a double quote runs to the next lone quote ("" stands for one quote), or to the
// end of the text when none follows. A delimiter that is the last character gives a final empty
// field; one followed only by blanks gives none. Splitting stops after `maxFields` fields, the
// ones the caller reads, so a long reply of delimiters cannot make a vast list.
std::vector<std::string> SplitReplyFields(std::string_view reply, char delimiter,
                                          std::size_t maxFields);

// Field `index` (0-based) of a split reply, or empty text when the reply has fewer fields: a short
// reply reads as empty fields instead of ending the caller's action with an error.
std::string FieldOrEmpty(const std::vector<std::string>& fields, std::size_t index);

}  // namespace porvan
