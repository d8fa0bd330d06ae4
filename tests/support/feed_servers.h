// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "support/process.h"

namespace lunvale::testing {

// The feeds' real web server (nginx) serving a folder of the test's, and a real HTTP proxy
// (tinyproxy) in front of it, each on a free loopback port with a configuration from
// tests/support/servers. Both are stopped with the object.
//
// `secure` adds TLS servers for the same folder (where /loop redirects to itself), with certificates
// of a test authority made for the run: one valid for 127.0.0.1 and "feeds.lunvale.test", one
// expired, one self-signed.
class FeedServers {
 public:
  enum Secure { kGood, kExpired, kSelfSigned };

  explicit FeedServers(bool secure = false);
  ~FeedServers();

  // Writes (or replaces) a file the web server serves at "/" + name.
  void Put(const std::string& name, const std::string& content) const;
  uint16_t WebPort() const { return web_port_; }
  uint16_t ProxyPort() const { return proxy_port_; }
  // "http://127.0.0.1:<web port>" + path.
  std::string Url(const std::string& path) const;
  // The TLS server's port; "https://127.0.0.1:<port>" + path.
  uint16_t SecurePort(Secure which = kGood) const { return secure_ports_[which]; }
  std::string SecureUrl(const std::string& path, Secure which = kGood) const;
  // The test authority's certificate (for SSL_CERT_FILE) and the other files the TLS servers use:
  // "authority.pem", "good.pem", "good.key".
  std::string SecureFile(const std::string& name) const { return dir_.Path() + "/" + name; }
  std::string AuthorityFile() const { return SecureFile("authority.pem"); }
  // The web server's request log, one "request line|Host|Via|TLS name" line per request. The server writes a
  // line once it has closed the connection, so the client may have its reply a moment earlier.
  std::string WebLog() const;
  // How often `text` occurs in the log once it stops growing (or after two seconds).
  int CountInWebLog(const std::string& text) const;
  // The proxy's log (its "Request" lines show what it received).
  std::string ProxyLog() const;

 private:
  TempDir dir_;
  uint16_t web_port_ = 0;
  uint16_t proxy_port_ = 0;
  uint16_t secure_ports_[3] = {};
  std::unique_ptr<ChildProcess> web_;
  std::unique_ptr<ChildProcess> proxy_;
};

}  // namespace lunvale::testing
