// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/stream_socket.h"

namespace lunvale::net {

// The HTTP/1.0 GET client the feeds and the channel directory download with: it sends a fixed set
// of request header lines and a User-Agent, directly or through a proxy, keeps the response's header lines in
// Header and reads the body into Body until the server closes the connection. Redirects are
// followed, their relative targets resolved as RFC 3986 says. The status is not an error: a 404 page ends Get
// normally.
//
// https URLs (port 443 by default) are fetched over TLS once SetSecureAllowed(true) says so; else
// they fail as before, with "HTTP Secure Socket is not supported" before any network activity.
// Through a proxy they go in a CONNECT tunnel. The same time-outs, Abort and limits hold, and a
// secure body that ends without the server's close_notify before its Content-Length is a failure.
//
// Network failures raise ESockError (EAbortError for time-outs and Abort while sending or reading),
// and so do more than kMaxRedirects redirects and a URL, proxy or redirect target with a control
// byte (before anything is sent);
// a malformed URL raises std::runtime_error ("Empty URL", "HTTP Secure Socket is not supported") or
// platform::EConvertError (a port that is not a number).
//
// Limits, so that a hostile server cannot hold or swell the client: a response header of at most
// kMaxHeaderSize bytes, a body of at most kMaxBodySize bytes, kMaxRedirects redirects per Get, and
// one response read within kResponseTimeFactor times TimeOut however slowly the bytes trickle in.
class THTTPClient : public TStreamSocket {
 public:
  static constexpr size_t kMaxHeaderSize = 65536;
  static constexpr size_t kMaxBodySize = 16 * 1024 * 1024;
  static constexpr int kMaxRedirects = 10;
  static constexpr int kResponseTimeFactor = 12;
  // "Lunvale-Screensaver/" and the version: sent with every request, the proxy's CONNECT included.
  static std::string_view UserAgent();

  explicit THTTPClient(platform::TComponent* owner = nullptr);
  std::string_view ClassName() const override { return "THTTPClient"; }

  bool SecureAllowed() const { return secure_allowed_; }
  void SetSecureAllowed(bool allowed) { secure_allowed_ = allowed; }

  // Performs the request; returns when the response has been read completely.
  void Get(const std::string& url);

  // The response body, bytes as received.
  const std::string& GetBody() const { return body_; }
  void SetBody(std::string body) { body_ = std::move(body); }
  // The status line and header lines with their line ends, and the empty line that ended them.
  const std::string& GetHeader() const { return header_; }
  void SetHeader(std::string header) { header_ = std::move(header); }
  // Kept for the callers that set them; Body and Header always hold the data themselves.
  bool GetInputFileMode() const { return input_file_mode_; }
  void SetInputFileMode(bool on) { input_file_mode_ = on; }
  bool GetOutputFileMode() const { return output_file_mode_; }
  void SetOutputFileMode(bool on) { output_file_mode_ = on; }

  const std::string& GetURL() const { return url_; }
  // The address of the last request as an absolute URL (scheme, host, a port other than the
  // scheme's, path and query), whatever form GetURL has; the base of the reply's relative links.
  std::string AbsoluteURL() const;
  const std::string& GetPath() const { return path_; }
  int16_t GetStatusCode() const { return status_code_; }
  // Set by a redirect's Set-Cookie and sent with every later request of this client.
  const std::string& GetCookie() const { return cookie_; }

  // The request this client sends for the current URL (request line, header lines, empty line).
  std::string RequestText() const;

 private:
  void ParseURL();
  // Asks the proxy for a tunnel to Host:Port; a reply other than 2xx raises its status line.
  void OpenTunnel(std::chrono::steady_clock::time_point deadline);
  void ReadResponseHeader(std::chrono::steady_clock::time_point deadline);
  void ReadBody(std::chrono::steady_clock::time_point deadline);

  std::string body_ = "Default.htm";
  std::string header_ = "Head.txt";
  bool input_file_mode_ = false;
  bool output_file_mode_ = false;
  std::string url_;
  std::string path_;
  int16_t status_code_ = 0;
  std::string cookie_;
  bool secure_allowed_ = false;
  bool secure_ = false;  // the current URL's scheme is https
  // From the last response's header.
  std::string location_;
  std::string set_cookie_;
  int64_t content_length_ = -1;
  bool stays_open_ = false;
};

}  // namespace lunvale::net
