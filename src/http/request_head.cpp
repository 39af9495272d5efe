// The head of a form post: request line and header lines in their fixed order.
#include "http/request_head.h"

namespace porvan {

std::string BuildPostHead(const TUrlParts& url, std::size_t bodyLength,
                          const std::string& userAgent, const std::string& cookies) {
  std::string head = "POST " + url.Target() + " HTTP/1.0\r\n";
  head += "Connection: keep-alive\r\n";
  head += "Content-Type: application/x-www-form-urlencoded\r\n";
  head += "Content-Length: " + std::to_string(bodyLength) + "\r\n";
  head += "Host: " + url.HostHeader() + "\r\n";
  head += "Accept: text/html, */*\r\n";
  if (!userAgent.empty()) {
    head += "User-Agent: " + userAgent + "\r\n";
  }
  if (!cookies.empty()) {
    head += "Cookie: " + cookies + "\r\n";
  }
  head += "\r\n";
  return head;
}

}  // namespace porvan
