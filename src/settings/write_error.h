// The errors of the settings file that reach the user: "Unable to write to <full path>", a
// value the file cannot hold, and a file too large to be settings.
#pragma once

#include <stdexcept>
#include <string>

namespace porvan {

class TSettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TWriteError : public TSettingsError {
 public:
  // `path` is the file's path as the notice shows it, CP949.
  explicit TWriteError(const std::string& path) : TSettingsError("Unable to write to " + path) {}
  // The write was refused before the file was touched, for `reason`.
  TWriteError(const std::string& path, const std::string& reason)
      : TSettingsError("Unable to write to " + path + ": " + reason) {}
};

}  // namespace porvan
