// SPDX-License-Identifier: MIT
// TLS on Windows: the Linux build runs OpenSSL, which Windows does not have; until this build speaks
// TLS through the system's own provider, every secure connection fails at its start with a clear
// reason, so https feeds show nothing while http ones work.
#include "net/secure_channel.h"

#include "net/stream_socket.h"

namespace lunvale::net {

SecureChannel::SecureChannel(std::intptr_t, const std::string&) {
  throw ESockError("Secure connection failed: secure connections are not available in this build");
}

SecureChannel::~SecureChannel() = default;

bool SecureChannel::Handshake(short&) {
  return false;
}

std::ptrdiff_t SecureChannel::Read(char*, size_t, short&) {
  return -1;
}

std::ptrdiff_t SecureChannel::Write(const char*, size_t, short&) {
  return -1;
}

}  // namespace lunvale::net
