// The seams the portable code is given: one context object, passed in by the entry or a test.
#pragma once

namespace porvan {

class IFileSystem;
class IProcessInfo;
class IVersionResource;
class IMessageBox;
class ISocketFactory;

struct TPlatform {
  IFileSystem& Files;
  IProcessInfo& Process;
  IVersionResource& Version;
  IMessageBox& Messages;
  ISocketFactory& Sockets;
};

}  // namespace porvan
