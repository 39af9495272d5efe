// Where the program keeps its files and which client programs it starts unless told otherwise:
// what differs between the desktops it runs on.
#pragma once

#include <string>
#include <vector>

#include "platform/path.h"

namespace porvan {

// The client programs are settings values (CP949). The defaults are the Windows program's, which
// keeps everything beside itself.
struct TDesktopConventions {
  // The settings file and the access journal take this path with their own extension (".ini",
  // ".journal"); empty: the executable's path, so both lie beside it.
  TPath StateFileStem;
  // The folder of history.txt, ending with its separator; empty: the executable's folder.
  TPath HistoryFolder;
  std::string DefaultFTPPath = ".\\FileZilla\\filezilla.exe";
  std::string DefaultSSHPath = ".\\PuTTY\\putty.exe";
  // The file names the program chooser offers: the desktop's programs.
  std::string ProgramPattern = "*.exe";
  // The file-name extension of a desktop shortcut, dot included.
  std::string ShortcutExtension = ".lnk";
  // The endings, in any case, that a downloaded update's file name may have: what the desktop
  // installs from.
  std::vector<std::string> InstallerExtensions = {".exe", ".msi"};
};

}  // namespace porvan
