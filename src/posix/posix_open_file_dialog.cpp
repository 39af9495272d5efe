// The file-open dialog seam on POSIX systems: zenity's file selection.
#include "posix/posix_open_file_dialog.h"

#include "platform/code_page.h"
#include "posix/run_program.h"

namespace porvan {

namespace {

// "Programs(*.exe)|*.exe|All|*" becomes one "--file-filter=Programs(*.exe) | *.exe" per pair.
std::vector<std::string> FilterArguments(const std::string& filter) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; start <= filter.size();) {
    std::size_t end = filter.find('|', start);
    if (end == std::string::npos) {
      end = filter.size();
    }
    parts.push_back(filter.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::string> arguments;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    arguments.push_back("--file-filter=" + parts[i] + " | " + parts[i + 1]);
  }
  return arguments;
}

}  // namespace

std::optional<TPath> TPosixOpenFileDialog::Choose(const TOpenFileRequest& request) {
  std::vector<std::string> arguments = {"zenity", "--file-selection",
                                        "--title=" + Cp949ToUtf8(request.Title)};
  if (!request.FileName.empty()) {
    arguments.push_back("--filename=" + request.FileName.native());
  }
  for (const std::string& filter : FilterArguments(Cp949ToUtf8(request.Filter))) {
    arguments.push_back(filter);
  }
  const std::optional<TProgramRun> run = RunProgram(arguments);
  if (!run || run->ExitStatus != 0 || run->Output.empty()) {
    return std::nullopt;
  }
  std::string path = run->Output;
  if (path.back() == '\n') {
    path.pop_back();
  }
  if (path.empty()) {
    return std::nullopt;
  }
  return TPath(path);
}

}  // namespace porvan
