// The Qt test classes of the binary: each file adds its class, the main runs them all.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace porvan::testing {

class TQtTestList {
 public:
  using TMake = std::function<std::unique_ptr<QObject>()>;

  // Adds the class made by `make` as the program starts.
  struct TEntry {
    explicit TEntry(TMake make) { Makers().push_back(std::move(make)); }
  };

  static std::vector<TMake>& Makers() {
    static std::vector<TMake> makers;
    return makers;
  }
};

}  // namespace porvan::testing
