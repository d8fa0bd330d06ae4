// SPDX-License-Identifier: MIT
#include "net/http_client.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "net/url_reference.h"
#include "platform/system/conversions.h"

namespace lunvale::net {

namespace {

using Clock = std::chrono::steady_clock;

// Many feed hosts and their caches refuse requests that do not say who asks.
constexpr char kUserAgentLine[] = "User-Agent: Lunvale-Screensaver/" LUNVALE_VERSION "\r\n";

std::string Upper(std::string_view text) {
  std::string result(text);
  for (auto& c : result) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return result;
}

std::string_view WithoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Position of the n-th (1-based) "/" in `text`, or npos.
size_t NthSlash(std::string_view text, int n) {
  size_t pos = std::string_view::npos;
  for (int i = 0; i < n; ++i) {
    pos = text.find('/', pos == std::string_view::npos ? 0 : pos + 1);
    if (pos == std::string_view::npos) break;
  }
  return pos;
}

int16_t StatusCode(std::string_view status_line) {
  std::string_view line = WithoutLineEnd(status_line);
  const size_t first = line.find(' ');
  if (first == std::string_view::npos) return 0;
  std::string_view word = line.substr(first + 1);
  word = word.substr(0, word.find(' '));
  try {
    const int32_t value = platform::StrToInt(word);
    return value >= INT16_MIN && value <= INT16_MAX ? static_cast<int16_t>(value) : 0;
  } catch (const platform::EConvertError&) {
    return 0;
  }
}

// Control bytes in a URL or a proxy name would split or forge request lines.
bool HasControl(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 32 || c == 127) return true;
  }
  return false;
}

bool IsRedirect(int status) {
  return status == 300 || status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

THTTPClient::THTTPClient(platform::TComponent* owner) : TStreamSocket(owner) {}

std::string_view THTTPClient::UserAgent() {
  std::string_view line = kUserAgentLine;
  line.remove_prefix(std::string_view("User-Agent: ").size());
  line.remove_suffix(2);
  return line;
}

void THTTPClient::ParseURL() {
  if (url_.empty()) throw std::runtime_error("Empty URL");
  if (GetPort() == 0) SetPort(80);
  const bool has_authority = url_.find("//") != std::string::npos;

  if (has_authority) {
    const size_t third = NthSlash(url_, 3);
    path_ = third == std::string::npos ? std::string() : url_.substr(third);
  } else {
    const size_t first = url_.find('/');
    path_ = first == std::string::npos ? std::string() : url_.substr(first);
  }

  // A colon after the first "/" belongs to a relative path (a redirect's "/a?t=1:2"), which keeps
  // the current server's scheme and port.
  const size_t colon = url_.find(':');
  if (colon != std::string::npos && colon < url_.find('/')) {
    const std::string scheme = Upper(std::string_view(url_).substr(0, colon));
    if (scheme == "GOPHER") {
      SetPort(70);
    } else if (scheme == "FTP") {
      SetPort(21);
    } else if (scheme == "HTTPS") {
      if (!secure_allowed_) throw std::runtime_error("HTTP Secure Socket is not supported");
      SetPort(443);
    } else {
      SetPort(80);
    }
    secure_ = scheme == "HTTPS";
  }

  std::string host;
  if (has_authority) {
    const size_t second = NthSlash(url_, 2);
    const size_t third = NthSlash(url_, 3);
    host = url_.substr(second + 1, third == std::string::npos ? std::string::npos : third - second - 1);
  } else if (url_.front() != '/') {
    host = url_.substr(0, url_.find('/'));
  }
  const size_t port_colon = host.find(':');
  if (port_colon != std::string::npos) {
    SetPort(platform::StrToInt(std::string_view(host).substr(port_colon + 1)));
    host.erase(port_colon);
  }
  if (!host.empty()) SetHost(host);

  if (path_.empty()) {
    path_ = "/";
    url_ += "/";
  }
}

std::string THTTPClient::AbsoluteURL() const {
  const int default_port = secure_ ? 443 : 80;
  const std::string port = GetPort() != default_port ? ":" + std::to_string(GetPort()) : "";
  return (secure_ ? "https://" : "http://") + GetHost() + port + path_;
}

std::string THTTPClient::RequestText() const {
  std::string target = path_;
  // A secure request goes inside the proxy's tunnel, where the server sees it as sent directly.
  const bool forwarded = !GetProxy().empty() && !secure_;
  if (forwarded) {
    // A proxy needs the absolute form; a relative redirect is made absolute with the current host.
    if (url_.find("//") != std::string::npos) {
      target = url_;
    } else {
      target = "http://" + GetHost() + (GetPort() != 80 ? ":" + std::to_string(GetPort()) : "") + path_;
    }
  }
  std::string text = "GET " + target + " HTTP/1.0\r\n";
  if (forwarded) text += "Proxy-Connection: Keep-Alive\r\n";
  text += "Host: " + GetHost() + "\r\n";
  text += "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n";
  text += "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n";
  text += kUserAgentLine;
  if (!cookie_.empty()) text += "Cookie: " + cookie_ + "\r\n";
  text += "Content-type: application/x-www-form-urlencoded\r\n";
  text += "\r\n";
  return text;
}

void THTTPClient::Get(const std::string& url) {
  if (HasControl(url) || HasControl(GetProxy())) throw ESockError("Control character in URL");
  url_ = url;
  // A URL without a scheme is plain http; a redirect without one stays on the current server.
  secure_ = false;
  for (int redirects = 0;; ++redirects) {
    ParseURL();
    const std::string request = RequestText();
    Connect();
    try {
      // However slowly a server trickles its bytes, one response ends within a bounded time.
      const Clock::time_point deadline =
          GetTimeOut() > 0 ? Clock::now() + std::chrono::milliseconds(GetTimeOut()) * kResponseTimeFactor
                           : Clock::time_point::max();
      if (secure_) {
        if (!GetProxy().empty()) OpenTunnel(deadline);
        StartSecure(GetHost());
      }
      SendText(request);
      status_code_ = 0;
      ReadResponseHeader(deadline);
      ReadBody(deadline);
    } catch (...) {
      Disconnect();
      throw;
    }
    Disconnect();

    if (status_code_ >= 300 && status_code_ <= 398 && !set_cookie_.empty() && !HasControl(set_cookie_)) {
      cookie_ = set_cookie_;
    }
    // A redirect without a target ends the request with the reply as it is; one too many, or one to
    // a target that could forge request lines, is a failure: its page is not the document asked for.
    if (!IsRedirect(status_code_) || location_.empty()) return;
    if (redirects >= kMaxRedirects) throw ESockError("Too many redirects");
    if (HasControl(location_)) throw ESockError("Control character in URL");
    // The target is resolved against the address just asked for, whatever form it takes; its
    // fragment is never sent.
    url_ = ResolveReference(AbsoluteURL(), location_);
    url_.erase(std::min(url_.find('#'), url_.size()));
  }
}

void THTTPClient::OpenTunnel(Clock::time_point deadline) {
  const std::string target = GetHost() + ":" + std::to_string(GetPort());
  SendText("CONNECT " + target + " HTTP/1.0\r\nHost: " + target + "\r\n" + kUserAgentLine + "\r\n");
  const std::string status_line = ReadLine(deadline);
  size_t size = status_line.size();
  for (std::string line = status_line; !line.empty() && line != "\n" && line != "\r\n";) {
    line = ReadLine(deadline);
    size += line.size();
    if (size > kMaxHeaderSize) throw ESockError("Response header too large");
  }
  const int status = StatusCode(status_line);
  if (status < 200 || status > 299) {
    const std::string_view shown = WithoutLineEnd(status_line);
    throw ESockError(shown.empty() ? "Proxy closed the connection" : std::string(shown));
  }
}

void THTTPClient::ReadResponseHeader(Clock::time_point deadline) {
  header_.clear();
  location_.clear();
  set_cookie_.clear();
  content_length_ = -1;
  stays_open_ = false;
  const auto append = [this](const std::string& line) {
    header_ += line;
    if (header_.size() > kMaxHeaderSize) throw ESockError("Response header too large");
  };

  std::string line = ReadLine(deadline);
  status_code_ = StatusCode(line);
  append(line);
  for (;;) {
    line = ReadLine(deadline);
    append(line);
    if (line.empty() || line == "\n" || line == "\r\n") break;
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    const std::string name = Upper(std::string_view(line).substr(0, blank));
    const std::string value(WithoutLineEnd(std::string_view(line).substr(blank + 1)));
    if (name == "SET-COOKIE:") {
      set_cookie_ = value;
    } else if (name == "LOCATION:") {
      location_ = value;
    } else if (name == "CONTENT-LENGTH:") {
      try {
        content_length_ = platform::StrToInt(value);
      } catch (const platform::EConvertError&) {
        content_length_ = -1;
      }
    } else if ((name == "CONNECTION:" || name == "PROXY-CONNECTION:") && Upper(value) == "KEEP-ALIVE") {
      stays_open_ = true;
    }
  }
}

void THTTPClient::ReadBody(Clock::time_point deadline) {
  body_.clear();
  // The body runs until the server closes, as HTTP/1.0 asks; only a server that says it keeps the
  // connection open (a proxy answering our Keep-Alive) is read to its announced length instead.
  const int64_t expected = stays_open_ && content_length_ >= 0 ? content_length_ : -1;
  Capture(body_, kMaxBodySize, "Response body too large", expected, deadline);
  // Over TLS a cut connection shows: without the server's close_notify, a body short of its
  // announced length was cut off, not ended.
  if (SecureTruncated() && content_length_ >= 0 && static_cast<int64_t>(body_.size()) < content_length_) {
    throw ESockError("Secure connection closed before the end of the body");
  }
}

}  // namespace lunvale::net
