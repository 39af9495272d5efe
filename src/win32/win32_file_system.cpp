// The file seam on Windows: files opened by their UTF-16 path; writes beside, then replace.
#include "win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "win32/handle.h"

namespace porvan {

std::optional<std::string> TWin32FileSystem::LoadFile(const TPath& path) {
  return LoadFileHead(path, std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> TWin32FileSystem::LoadFileHead(const TPath& path, std::size_t limit) {
  THandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    return std::nullopt;
  }
  std::string bytes;
  char buffer[16384];
  DWORD read = 0;
  while (bytes.size() < limit) {
    const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, limit - bytes.size()));
    if (!::ReadFile(file.get(), buffer, wanted, &read, nullptr)) {
      // Part of a file is not the file: a caller would take it for all and write it back.
      return std::nullopt;
    }
    if (read == 0) {
      break;
    }
    bytes.append(buffer, read);
  }
  return bytes;
}

bool TWin32FileSystem::SaveFile(const TPath& path, std::string_view bytes) {
  const std::wstring temporary = path.native() + L".new";
  THandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    return false;
  }
  bool written = true;
  for (std::string_view rest = bytes; written && !rest.empty();) {
    DWORD chunk = static_cast<DWORD>(rest.size() > 1u << 20 ? 1u << 20 : rest.size());
    DWORD done = 0;
    written = WriteFile(file.get(), rest.data(), chunk, &done, nullptr) && done == chunk;
    rest.remove_prefix(done);
  }
  written = written && FlushFileBuffers(file.get());
  written = file.Close() && written;
  if (!written || !MoveFileExW(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

std::optional<std::uint64_t> TWin32FileSystem::FileSize(const TPath& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

bool TWin32FileSystem::RemoveFile(const TPath& path) {
  if (DeleteFileW(path.c_str())) {
    return true;
  }
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool TWin32FileSystem::RenameFile(const TPath& from, const TPath& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool TWin32FileSystem::IsFile(const TPath& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace porvan
