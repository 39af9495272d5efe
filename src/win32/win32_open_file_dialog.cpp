// The file-open dialog seam on Windows: the common dialog through GetOpenFileNameW.
#include "win32/win32_open_file_dialog.h"

#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>

#include "win32/wide_text.h"

namespace porvan {

namespace {

// Long enough for any path the system can open.
constexpr std::size_t kPathCapacity = 32768;

// The dialog wants the parts separated and the list ended by NULs.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring parts = Wide(filter);
  std::replace(parts.begin(), parts.end(), L'|', L'\0');
  parts.append(2, L'\0');
  return parts;
}

}  // namespace

std::optional<TPath> TWin32OpenFileDialog::Choose(const TOpenFileRequest& request) {
  const std::wstring title = Wide(request.Title);
  const std::wstring filter = DialogFilter(request.Filter);
  std::wstring file = request.FileName.native();
  file.resize(std::max(file.size() + 1, kPathCapacity), L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  // The current directory stays: the default program paths are relative to it.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;

  if (GetOpenFileNameW(&dialog)) {
    return TPath(file.c_str());
  }
  // A stored path the dialog cannot take as a file name must not keep the user from choosing.
  if (CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    std::fill(file.begin(), file.end(), L'\0');
    if (GetOpenFileNameW(&dialog)) {
      return TPath(file.c_str());
    }
  }
  return std::nullopt;
}

}  // namespace porvan
