// The three answers of the server's version check.
#pragma once

namespace porvan {

// A version reply that is neither "OK" nor names an installer gives no answer, which the caller
// must be able to tell from "current" and from "update at UpdateURL".
enum class TVersionCheck { Current, UpdateAvailable, NoAnswer };

}  // namespace porvan
