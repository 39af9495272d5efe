// Writes the desktop launcher for a domain as the settings dialog does once its questions are
// answered: porvan_write_shortcut <porvan> <domain> <type> <true|false>. For the end-to-end test.
#include <cstring>
#include <string>

#include "common/path_text.h"
#include "posix/posix_desktop_conventions.h"
#include "posix/posix_shell_folders.h"
#include "posix/posix_shell_links.h"
#include "settings/executable_folder.h"
#include "settings/shell_folder.h"
#include "settings/shortcut.h"
#include "support/fake_platform.h"

int main(int argc, char** argv) {
  using namespace porvan;
  if (argc != 5) {
    return 2;
  }
  // The real folders and links; the message boxes are recorded, and any one is a failure.
  testing::TFakePlatform seams;
  TPosixShellFolders folders;
  TPosixShellLinks links(true);
  TPlatform platform =
      seams.With({.ShellFolders = &folders, .ShellLinks = &links}, LinuxDesktopConventions({}, {}));
  const TPath target = PathFromUtf8(argv[1]);
  const bool written =
      CreateShortcut(platform, TShellFolderKind::Desktop,
                     ShortcutFileName(argv[2], platform.Conventions.ShortcutExtension), target,
                     ExecutableFolder(target),
                     ShortcutArguments(argv[2], argv[3], std::strcmp(argv[4], "true") == 0));
  return written && seams.Messages.Shown.empty() ? 0 : 1;
}
