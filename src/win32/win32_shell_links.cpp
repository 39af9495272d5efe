// The shell-link seam on Windows: the shell link object through IShellLinkW and IPersistFile.
#include "win32/win32_shell_links.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "win32/com_apartment.h"
#include "win32/system_message.h"
#include "win32/wide_text.h"

namespace porvan {

namespace {

TLinkWriteResult Failed(TLinkFailure failure, HRESULT code) {
  return {failure, SystemMessage(code)};
}

}  // namespace

TLinkWriteResult TWin32ShellLinks::Write(const TPath& linkPath, const TShellLinkFields& link) {
  TComApartment apartment;
  // The W interface, so the link is the same on every ANSI code page.
  Microsoft::WRL::ComPtr<IShellLinkW> shellLink;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(shellLink.GetAddressOf()));
  if (FAILED(result)) {
    return Failed(TLinkFailure::Unavailable, result);
  }
  Microsoft::WRL::ComPtr<IPersistFile> persistFile;
  result = shellLink.As(&persistFile);
  if (FAILED(result)) {
    return Failed(TLinkFailure::Unavailable, result);
  }
  // A field the object refuses (too long for its buffers) would make a link that starts
  // something else, so it is not saved.
  if (FAILED(result = shellLink->SetArguments(Wide(link.Arguments).c_str())) ||
      FAILED(result = shellLink->SetPath(link.Target.c_str())) ||
      FAILED(result = shellLink->SetWorkingDirectory(link.WorkingDirectory.c_str()))) {
    return Failed(TLinkFailure::NotSaved, result);
  }
  result = persistFile->Save(linkPath.c_str(), FALSE);
  if (FAILED(result)) {
    return Failed(TLinkFailure::NotSaved, result);
  }
  return {};
}

}  // namespace porvan
