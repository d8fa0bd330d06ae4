// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

typedef struct ssl_st SSL;

namespace lunvale::net {

// One TLS client session over a connected non-blocking socket that its owner keeps driving: every
// call does what it can without blocking and says which readiness of the socket it needs next, so
// the owner's waits (time-out, Abort, the message pump) stay in charge. The server's certificate is
// verified against the system's store (SSL_CERT_FILE and SSL_CERT_DIR point elsewhere, as OpenSSL
// documents) and must name `host`.
//
// Failures of the handshake and of the TLS records raise ESockError with OpenSSL's reason; socket
// errors come back as -1 with errno set, as from recv and send.
class SecureChannel {
 public:
  SecureChannel(std::intptr_t fd, const std::string& host);
  ~SecureChannel();
  SecureChannel(const SecureChannel&) = delete;
  SecureChannel& operator=(const SecureChannel&) = delete;

  // One step of the handshake: true once it is complete; else `wait` is POLLIN or POLLOUT.
  bool Handshake(short& wait);
  // Bytes received (> 0); 0 at the end of the stream; -1 with errno (EAGAIN: wait for `wait`).
  std::ptrdiff_t Read(char* data, size_t size, short& wait);
  // Bytes taken (> 0); -1 with errno (EAGAIN: wait for `wait`).
  std::ptrdiff_t Write(const char* data, size_t size, short& wait);
  // The stream ended without the server's close_notify: what came may be cut short.
  bool Truncated() const { return truncated_; }

  // The socket under the session: its errno of the last call that failed.
  struct Link {
    std::intptr_t fd = -1;
    int error = 0;
  };

 private:
  // Sorts a result of SSL_read or SSL_write that is not a byte count.
  std::ptrdiff_t Failed(int result, short& wait);

  Link link_;
  SSL* ssl_ = nullptr;
  bool truncated_ = false;
};

}  // namespace lunvale::net
