// COM for the calling thread for as long as the object lives, balanced on every path.
#pragma once

#include <objbase.h>

namespace porvan {

// Joins (or opens) the thread's single-threaded apartment. A thread already in another
// apartment keeps it: COM stays usable there and nothing is undone at the end.
class TComApartment {
 public:
  TComApartment()
      : initialised_(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;
  ~TComApartment() {
    if (initialised_) {
      CoUninitialize();
    }
  }

 private:
  bool initialised_;
};

}  // namespace porvan
