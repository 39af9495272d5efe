// Splitting a raw command line into its arguments.
#include "settings/command_line.h"

namespace porvan {
namespace {

bool IsSeparator(char c) {
  auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  // A NUL ends the text, as it would end the C string the system hands over.
  commandLine = commandLine.substr(0, commandLine.find('\0'));
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < commandLine.size() && IsSeparator(commandLine[i])) {
      ++i;
    }
    if (i >= commandLine.size()) {
      return arguments;
    }
    std::string argument;
    bool quoted = false;
    for (; i < commandLine.size() && (quoted || !IsSeparator(commandLine[i])); ++i) {
      if (commandLine[i] == '"') {
        quoted = !quoted;
      } else {
        argument.push_back(commandLine[i]);
      }
    }
    arguments.push_back(std::move(argument));
  }
}

}  // namespace porvan
