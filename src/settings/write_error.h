// The error a settings write raises: "Unable to write to <full path>".
#pragma once

#include <stdexcept>
#include <string>

namespace porvan {

class TWriteError : public std::runtime_error {
 public:
  explicit TWriteError(const std::string& path)
      : std::runtime_error("Unable to write to " + path) {}
};

}  // namespace porvan
