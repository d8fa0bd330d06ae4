// SPDX-License-Identifier: MIT
// The TCP client socket on Windows, for now without a network: the Linux build's POSIX sockets have
// no counterpart here yet, so every connect fails as on a machine whose network is down ("10050:Network
// is down"), before any lookup, and the saver runs without its feeds. Nothing is ever sent or
// received.
#include "net/stream_socket.h"

#include <utility>

#include "net/secure_channel.h"
#include "platform/app/application.h"

namespace lunvale::net {

namespace {

constexpr int kNetworkDown = 10050;

[[noreturn]] void NetworkDown() {
  throw ESockError(SocketErrorMessage(kNetworkDown));
}

}  // namespace

int SocketErrorCode(int error) {
  // Windows' socket errors are the table's numbers already.
  return error;
}

TStreamSocket::TStreamSocket(platform::TComponent* owner) : platform::TComponent(owner) {}

TStreamSocket::~TStreamSocket() {
  cancel_ = true;
  CloseSocket();
}

void TStreamSocket::SetResolver(Resolver) {}

void TStreamSocket::CloseSocket() {
  tls_.reset();
  connected_ = false;
  pending_.clear();
}

void TStreamSocket::Disconnect() {
  CloseSocket();
}

void TStreamSocket::PumpMessages() {
  auto& app = platform::Application::Instance();
  if (app.IsMainThread()) app.ProcessMessages();
}

void TStreamSocket::StartTimer() {
  timer_running_ = timeout_ms_ > 0;
  timer_deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms_);
}

void TStreamSocket::CheckTimer() {
  if (timer_running_ && std::chrono::steady_clock::now() >= timer_deadline_) {
    timer_running_ = false;
    timed_out_ = true;
    cancel_ = true;
  }
}

void TStreamSocket::Connect() {
  if (connected_) throw ESockError("Already connected");
  cancel_ = false;
  timed_out_ = false;
  NetworkDown();
}

void TStreamSocket::StartSecure(const std::string& host) {
  tls_ = std::make_unique<SecureChannel>(fd_, host);
}

bool TStreamSocket::SecureTruncated() const {
  return false;
}

void TStreamSocket::SendText(std::string_view) {
  NetworkDown();
}

std::string TStreamSocket::ReadLine(std::chrono::steady_clock::time_point) {
  NetworkDown();
}

void TStreamSocket::Capture(std::string&, size_t, const char*, int64_t,
                            std::chrono::steady_clock::time_point) {
  NetworkDown();
}

}  // namespace lunvale::net
