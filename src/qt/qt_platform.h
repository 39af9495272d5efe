// The Linux client's seams, one of each, and the TPlatform over them that the entry hands in.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "posix/posix_file_signatures.h"
#include "posix/posix_file_system.h"
#include "posix/posix_instances.h"
#include "posix/posix_network_state.h"
#include "posix/posix_process_info.h"
#include "posix/posix_program_launcher.h"
#include "posix/posix_shell_folders.h"
#include "posix/posix_shell_links.h"
#include "posix/posix_socket_factory.h"
#include "posix/posix_url_opener.h"
#include "posix/posix_url_transfer.h"
#include "posix/posix_version_resource.h"
#include "qt/download_folder.h"
#include "qt/qt_gui_wait.h"
#include "qt/qt_message_box.h"
#include "qt/qt_open_file_dialog.h"

namespace porvan {

struct TQtPlatform {
  // `arguments` are the command line's, CP949; `conventions` the desktop's places.
  TQtPlatform(const std::vector<std::string>& arguments, TDesktopConventions conventions);

  TPosixFileSystem Files;
  TPosixProcessInfo Process;
  TBuiltInVersionResource Version;
  TQtMessageBox Messages;
  TPosixSocketFactory Sockets;
  TPosixNetworkState Network;
  TPosixProgramLauncher Launcher;
  TPosixShellFolders ShellFolders;
  TPosixShellLinks ShellLinks{true};
  TQtOpenFileDialog OpenDialog;
  TPosixUrlOpener Urls;
  TCurlUrlTransfer UrlTransfer;
  TDownloadFolder TempPath;
  TPosixFileSignatures Signatures;
  TPosixInstances Instances;
  TQtGuiWait Waits;
  // What the update hands its download to: the desktop's opener, never the file itself.
  TPosixFileOpener Opener;
  TDesktopConventions Conventions;

  TPlatform With(IProgramLauncher& launcher);
  TPlatform Platform() { return With(Launcher); }
};

}  // namespace porvan
