// The Windows seams, one of each, and the TPlatform over them that the entry hands in.
#pragma once

#include "platform/platform.h"
#include "win32/win32_file_signatures.h"
#include "win32/win32_file_system.h"
#include "win32/win32_gui_wait.h"
#include "win32/win32_instances.h"
#include "win32/win32_message_box.h"
#include "win32/win32_network_state.h"
#include "win32/win32_open_file_dialog.h"
#include "win32/win32_process_info.h"
#include "win32/win32_program_launcher.h"
#include "win32/win32_shell_folders.h"
#include "win32/win32_shell_links.h"
#include "win32/win32_socket_factory.h"
#include "win32/win32_temp_path.h"
#include "win32/win32_url_opener.h"
#include "win32/win32_url_transfer.h"
#include "win32/win32_version_resource.h"

namespace porvan {

// COM must be started on the thread for as long as the seams are used (see com_apartment.h).
struct TWin32Platform {
  TWin32FileSystem Files;
  TWin32ProcessInfo Process;
  TWin32VersionResource Version;
  TWin32MessageBox Messages;
  TWinsockSocketFactory Sockets;
  TWin32NetworkState Network;
  TWin32ProgramLauncher Launcher;
  TWin32ShellFolders ShellFolders;
  TWin32ShellLinks ShellLinks;
  TWin32OpenFileDialog OpenDialog;
  TWin32UrlOpener Urls;
  TUrlMonikerTransfer UrlTransfer;
  TWin32TempPath TempPath;
  TWin32FileSignatures Signatures;
  TWin32Instances Instances;
  TWin32GuiWait Waits;

  // The seams with `launcher` in place of the shell's, for a tool that must start nothing.
  TPlatform With(IProgramLauncher& launcher) {
    return {Files,    Process,      Version,    Messages,   Sockets, Network,
            launcher, ShellFolders, ShellLinks, OpenDialog, Urls,    UrlTransfer,
            TempPath, Signatures,   Instances,  Waits};
  }
  TPlatform Platform() { return With(Launcher); }
};

}  // namespace porvan
