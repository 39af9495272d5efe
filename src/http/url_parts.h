// The parts of a server URL that one exchange needs: where to connect and what to ask for.
#pragma once

#include <string>
#include <string_view>

namespace porvan {

enum class TUrlStatus {
  Ok,
  NoScheme,           // no "://"
  SchemeWithoutPort,  // neither "http" nor "https", and no named port
  BadHost,            // empty host, an unclosed "[" of an IPv6 literal, a blank or a "\\"
  BadPort,            // a port that is not a decimal number from 1 to 65535
  ControlCharacter,   // a byte below 32 or 127, which would split the request head
};

struct TUrlParts {
  std::string Scheme;
  std::string Host;  // as written, brackets of an IPv6 literal included
  std::string Port;  // as written; "80", or "443" for "https", when the URL names none
  // These three hold blanks and bytes above 0x7E escaped as "%XX", everything else as written.
  std::string Path;      // "/" up to and including the last "/" before the query
  std::string Document;  // after the path, up to the "?"
  std::string Query;     // from the "?" on, "?" included; the fragment is dropped

  // "https": the exchange runs inside TLS.
  bool Secure() const;
  // The request target: path, document and query.
  std::string Target() const { return Path + Document + Query; }
  // The value of the "Host" header: the port is added unless its text is exactly the default
  // port of the scheme, "80" (or "443" for "https").
  std::string HostHeader() const;
  // The host for the resolver: an IPv6 literal without its brackets.
  std::string ConnectHost() const;
  // The port as a plain decimal number for the resolver ("080" gives "80").
  std::string ConnectPort() const;
};

struct TSplitUrl {
  TUrlStatus Status = TUrlStatus::Ok;
  TUrlParts Parts;
};

// The user name and password of "user:password@" are dropped; the scheme is compared without case.
TSplitUrl SplitUrl(std::string_view url);

}  // namespace porvan
