// The seams the portable code is given: one context object, passed in by the entry or a test.
#pragma once

#include "platform/desktop_conventions.h"

namespace porvan {

class IFileSystem;
class IProcessInfo;
class IVersionResource;
class IMessageBox;
class ISocketFactory;
class INetworkState;
class IProgramLauncher;
class IShellFolders;
class IShellLinks;
class IOpenFileDialog;
class IUrlOpener;
class IUrlTransfer;
class ITempPath;
class IFileSignatures;
class IInstances;
class IGuiWait;

struct TPlatform {
  IFileSystem& Files;
  IProcessInfo& Process;
  IVersionResource& Version;
  IMessageBox& Messages;
  ISocketFactory& Sockets;
  INetworkState& Network;
  IProgramLauncher& Launcher;
  IShellFolders& ShellFolders;
  IShellLinks& ShellLinks;
  IOpenFileDialog& OpenDialog;
  IUrlOpener& Urls;
  IUrlTransfer& UrlTransfer;
  ITempPath& TempPath;
  IFileSignatures& Signatures;
  IInstances& Instances;
  IGuiWait& Waits;
  // Left out, the Windows program's own.
  TDesktopConventions Conventions{};
};

}  // namespace porvan
