// The desktop shortcut: its file name and arguments, the domain rule, and writing the link.
#include "settings/shortcut.h"

#include <string_view>

#include "common/notice.h"
#include "common/path_text.h"
#include "platform/platform.h"
#include "platform/shell_link.h"
#include "settings/executable_folder.h"

namespace porvan {

std::string ShortcutFileName(const std::string& domain, const std::string& extension) {
  return "Porvan - " + domain + extension;
}

std::string ShortcutArguments(const std::string& domain, const std::string& clientType,
                              bool minimise) {
  return domain + " " + clientType + " " + (minimise ? "true" : "false");
}

bool IsUsableInFileName(const std::string& domain) {
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  for (char c : domain) {
    if (static_cast<unsigned char>(c) < 32 || kForbidden.find(c) != std::string_view::npos) {
      return false;
    }
  }
  return domain.find("..") == std::string::npos;
}

namespace {

std::string LinkFailureText(const TLinkWriteResult& result, const TPath& linkPath) {
  std::string text = result.Failure == TLinkFailure::Unavailable
                         ? "Cannot create the shell link object."
                         : "Cannot save shortcut " + PathDisplayText(linkPath) + ".";
  if (!result.SystemMessage.empty()) {
    text += "\r\n" + result.SystemMessage;
  }
  return text;
}

}  // namespace

bool CreateShortcut(TPlatform& platform, TShellFolderKind kind, const std::string& fileName,
                    const TPath& target, const TPath& workingDirectory,
                    const std::string& arguments) {
  const TPath folder = GetShellFolder(platform.ShellFolders, kind);
  if (folder.empty()) {
    ShowErrorReport(platform.Messages, "Cannot find the folder for shortcut " + fileName + ".");
    return false;
  }
  const TPath linkPath = PathInFolder(folder, PathFromCp949(fileName));
  const TLinkWriteResult result =
      platform.ShellLinks.Write(linkPath, {target, workingDirectory, arguments});
  if (!result.Written()) {
    ShowErrorReport(platform.Messages, LinkFailureText(result, linkPath));
    return false;
  }
  return true;
}

}  // namespace porvan
