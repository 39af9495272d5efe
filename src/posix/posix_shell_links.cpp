// The shell-link seam on POSIX systems: a desktop entry that starts the target with arguments.
#include "posix/posix_shell_links.h"

#include <sys/stat.h>

#include <fstream>
#include <string_view>

#include "common/code_page.h"
#include "common/path_text.h"
#include "posix/run_program.h"

namespace porvan {

namespace {

// One word of an Exec line: quoted, with the characters reserved inside quotes escaped, and
// "%" doubled since it starts a field code.
std::string ExecWord(const std::string& utf8) {
  std::string word = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      word += '\\';
    } else if (c == '%') {
      word += '%';
    }
    word += c;
  }
  return word + "\"";
}

// The file's string values escape every backslash once more.
std::string StringValue(const std::string& text) {
  std::string value;
  for (char c : text) {
    if (c == '\\') {
      value += '\\';
    }
    value += c;
  }
  return value;
}

// A line break in a value would start a new key of the file.
std::string SingleLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') {
      c = ' ';
    }
  }
  return text;
}

}  // namespace

std::string DesktopEntryText(const std::string& name, const TShellLinkFields& link) {
  std::string exec = ExecWord(link.Target.native());
  const std::string arguments = Cp949ToUtf8(link.Arguments);
  for (std::size_t start = 0; start <= arguments.size();) {
    std::size_t end = arguments.find(' ', start);
    if (end == std::string::npos) {
      end = arguments.size();
    }
    if (end > start) {
      // Appended in two steps: " " + word inlines an insert that GCC 12 misreads at -O3.
      exec += ' ';
      exec += ExecWord(arguments.substr(start, end - start));
    }
    start = end + 1;
  }
  return "[Desktop Entry]\nType=Application\nName=" + SingleLine(name) +
         "\nExec=" + StringValue(SingleLine(exec)) +
         "\nPath=" + StringValue(SingleLine(link.WorkingDirectory.native())) + "\n";
}

TLinkWriteResult TPosixShellLinks::Write(const TPath& linkPath, const TShellLinkFields& link) {
  std::string name = linkPath.filename().native();
  for (const std::string_view extension : {".lnk", ".desktop"}) {
    if (name.ends_with(extension)) {
      name.resize(name.size() - extension.size());
    }
  }
  {
    std::ofstream file(linkPath, std::ios::binary | std::ios::trunc);
    file << DesktopEntryText(name, link);
    file.close();
    if (!file) {
      return {TLinkFailure::NotSaved, {}};
    }
  }
  // Desktops start only launchers their owner may execute.
  if (::chmod(linkPath.c_str(), 0755) != 0) {
    return {TLinkFailure::NotSaved, {}};
  }
  if (markTrusted_) {
    // Not every desktop keeps this attribute (or runs gio's metadata service); the launcher
    // then asks once before its first start, which is no failure of the shortcut.
    RunProgram({"gio", "set", PathToUtf8(linkPath), "metadata::trusted", "true"});
  }
  return {};
}

}  // namespace porvan
