// Splitting a raw command line into its arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace porvan {

// Runs of blanks and control characters (codes 1 to 32) separate arguments; double quotes group
// blanks into one argument and are removed; nothing else is special, a backslash included. The
// program path is the first element.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace porvan
