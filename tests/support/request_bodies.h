// The form bodies the client posts for the domain "example.com" and the version "1.5.0.0", byte
// for byte as the server receives them.
#pragma once

#include <string>

// Tests take them all with `using namespace testing::bodies;`.
namespace porvan::testing::bodies {

inline const std::string kClientIPBody = "mode=get_client_ip";
inline const std::string kVersionBody = "mode=check_version&version=1.5.0.0";
inline const std::string kOpenFtpBody = "mode=open_request&protocol=FTP&query=example.com&";
inline const std::string kOpenSshBody = "mode=open_request&protocol=SSH&query=example.com&";
inline const std::string kCloseFtpBody = "mode=close_request&protocol=FTP&query=example.com&";
inline const std::string kCloseSshBody = "mode=close_request&protocol=SSH&query=example.com&";

}  // namespace porvan::testing::bodies
