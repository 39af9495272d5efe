// The parts of a server URL that one exchange needs: where to connect and what to ask for.
#include "http/url_parts.h"

#include <algorithm>

#include "common/text_bytes.h"

namespace porvan {

namespace {

bool HasControlCharacter(std::string_view url) {
  return std::any_of(url.begin(), url.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || byte == 127;
  });
}

// A blank or a backslash in the authority is no host name; resolvers and proxies disagree on it.
bool HasForbiddenHostByte(std::string_view authority) {
  return authority.find_first_of(" \\") != std::string_view::npos;
}

// Blanks and bytes above 0x7E may not stand raw in a request line; "%" and the rest stay as
// written, so a URL that is escaped already is sent unchanged.
std::string EscapeTargetBytes(std::string_view text) {
  return PercentEscape(text, [](unsigned char byte) { return byte == ' ' || byte >= 0x7F; });
}

bool IsValidPort(std::string_view port) {
  const auto number = ParseDecimal(port);
  return number && port.front() != '-' && *number >= 1 && *number <= 65535;
}

// Splits "host", "host:port", "[v6]" or "[v6]:port"; false for an unclosed bracket.
bool SplitHostPort(std::string_view hostPort, TUrlParts& parts) {
  std::size_t hostEnd = std::min(hostPort.find(':'), hostPort.size());
  if (!hostPort.empty() && hostPort.front() == '[') {
    const std::size_t close = hostPort.find(']');
    if (close == std::string_view::npos) {
      return false;
    }
    hostEnd = close + 1;
    if (hostEnd < hostPort.size() && hostPort[hostEnd] != ':') {
      return false;
    }
  }
  parts.Host = std::string(hostPort.substr(0, hostEnd));
  if (hostEnd < hostPort.size()) {
    parts.Port = std::string(hostPort.substr(hostEnd + 1));
  }
  return true;
}

}  // namespace

bool TUrlParts::Secure() const {
  return EqualsNoCase(Scheme, "https");
}

std::string TUrlParts::HostHeader() const {
  return Port == (Secure() ? "443" : "80") ? Host : Host + ":" + Port;
}

std::string TUrlParts::ConnectHost() const {
  if (Host.size() >= 2 && Host.front() == '[' && Host.back() == ']') {
    return Host.substr(1, Host.size() - 2);
  }
  return Host;
}

std::string TUrlParts::ConnectPort() const {
  return std::to_string(ParseDecimal(Port).value_or(0));
}

TSplitUrl SplitUrl(std::string_view url) {
  TSplitUrl result;
  if (HasControlCharacter(url)) {
    result.Status = TUrlStatus::ControlCharacter;
    return result;
  }
  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) {
    result.Status = TUrlStatus::NoScheme;
    return result;
  }
  TUrlParts& parts = result.Parts;
  parts.Scheme = std::string(url.substr(0, schemeEnd));
  std::string_view rest = url.substr(schemeEnd + 3);
  rest = rest.substr(0, rest.find('#'));

  // The authority ends at the path, or at a query written straight after the host.
  const std::size_t authorityEnd = std::min(rest.find_first_of("/?"), rest.size());
  std::string_view authority = rest.substr(0, authorityEnd);
  std::string_view target = rest.substr(authorityEnd);
  if (HasForbiddenHostByte(authority)) {
    result.Status = TUrlStatus::BadHost;
    return result;
  }
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    authority.remove_prefix(at + 1);
  }
  if (!SplitHostPort(authority, parts) || parts.Host.empty() || parts.Host == "[]") {
    result.Status = TUrlStatus::BadHost;
    return result;
  }

  const bool knownScheme = EqualsNoCase(parts.Scheme, "http") || parts.Secure();
  if (!knownScheme && parts.Port.empty()) {
    result.Status = TUrlStatus::SchemeWithoutPort;
  } else if (parts.Port.empty()) {
    parts.Port = parts.Secure() ? "443" : "80";
  } else if (!IsValidPort(parts.Port)) {
    result.Status = TUrlStatus::BadPort;
  }
  if (result.Status != TUrlStatus::Ok) {
    return result;
  }

  const std::size_t queryStart = std::min(target.find('?'), target.size());
  parts.Query = EscapeTargetBytes(target.substr(queryStart));
  const std::string_view beforeQuery = target.substr(0, queryStart);
  const std::size_t lastSlash = beforeQuery.rfind('/');
  const std::size_t documentStart = lastSlash == std::string_view::npos ? 0 : lastSlash + 1;
  parts.Path = documentStart == 0 ? std::string("/")
                                  : EscapeTargetBytes(beforeQuery.substr(0, documentStart));
  parts.Document = EscapeTargetBytes(beforeQuery.substr(documentStart));
  return result;
}

}  // namespace porvan
