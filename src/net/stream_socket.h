// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/app/component.h"

// An IPv4 address as the system's socket headers define it; only the socket's own source needs its
// members.
struct in_addr;

namespace lunvale::net {

class SecureChannel;

// Every network failure of the socket and the HTTP client.
class ESockError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A send or receive ended by the time-out or by Abort.
class EAbortError : public ESockError {
 public:
  using ESockError::ESockError;
};

// The socket error numbers of the client's error table (the Windows Sockets numbering the callers
// know) and their texts.
int SocketErrorCode(int posix_errno);
// The table's text, or "Unknown Error No. <code>".
std::string SocketErrorText(int code);
// "<code>:<text>", the message of the ESockError raised for any other socket error.
std::string SocketErrorMessage(int code);

// One TCP client socket, non-blocking. Every wait polls in short steps and runs one pass of the
// application's message pump between them, so a download on the main thread keeps the windows
// served; the time-out and Abort end the wait in progress. Host names are looked up on a helper
// thread so that a slow resolver does not stall the pump.
//
// Threads: main thread only, one operation at a time. Abort may be called from code that the pump
// runs during a wait.
class TStreamSocket : public platform::TComponent {
 public:
  // Looks a host name up to one IPv4 address; false when the name cannot be resolved. Runs on a
  // helper thread.
  using Resolver = std::function<bool(const std::string& host, in_addr& address)>;

  // Largest response header line kept (the size of the receive buffer).
  static constexpr size_t kReceiveBufferSize = 65536;
  // Host lookups that may be outstanding at once in the process; a further lookup waits for one of
  // them (within its time-out), so a hanging resolver cannot pile up threads.
  static constexpr int kMaxPendingLookups = 8;

  explicit TStreamSocket(platform::TComponent* owner = nullptr);
  ~TStreamSocket() override;
  std::string_view ClassName() const override { return "TStreamSocket"; }

  const std::string& GetHost() const { return host_; }
  void SetHost(std::string host) { host_ = std::move(host); }
  int GetPort() const { return port_; }
  void SetPort(int port) { port_ = port; }
  const std::string& GetProxy() const { return proxy_; }
  void SetProxy(std::string proxy) { proxy_ = std::move(proxy); }
  int GetProxyPort() const { return proxy_port_; }
  void SetProxyPort(int port) { proxy_port_ = port; }
  // Milliseconds; 0 waits without a time-out (only Abort ends the wait then).
  int GetTimeOut() const { return timeout_ms_; }
  void SetTimeOut(int milliseconds) { timeout_ms_ = milliseconds; }
  // Kept for the callers that set it; no status texts are reported.
  int GetReportLevel() const { return report_level_; }
  void SetReportLevel(int level) { report_level_ = level; }

  bool Connected() const { return connected_; }
  bool TimedOut() const { return timed_out_; }
  bool CancelRequested() const { return cancel_; }

  // Resolves the proxy when one is set, else the host, and connects to it (ProxyPort or Port).
  void Connect();
  // Closes the connection and makes a fresh socket for the next request.
  void Disconnect();
  // Ends the wait in progress with its cancel error; stays requested until the next Connect.
  void Abort() { cancel_ = true; }

  // Replaces the host lookup (tests); an empty function restores the system's resolver.
  static void SetResolver(Resolver resolver);

 protected:
  // Runs the TLS handshake with the server on the connection, verifying that its certificate names
  // `host`; failures raise ESockError ("Certificate verification failed: <reason>", "Secure
  // handshake failed: <reason>", "Secure handshake timed out", "Secure handshake canceled").
  void StartSecure(const std::string& host);
  // The secure stream ended without the server's close_notify: the data may be cut short.
  bool SecureTruncated() const;

  // Sends all of `text`; "Socket send aborted" on time-out or cancel.
  void SendText(std::string_view text);
  // One line with its line end, at most kReceiveBufferSize bytes; the bytes so far (possibly none)
  // when the peer closes. `deadline` additionally bounds the wait. "Socket readln aborted" on
  // time-out or cancel.
  std::string ReadLine(std::chrono::steady_clock::time_point deadline);
  // Appends what arrives to `into` until the peer closes, `limit` bytes are exceeded (`too_large`
  // is raised) or, when `expected` is not negative, that many bytes have arrived. The time-out
  // restarts with every chunk; `deadline` bounds the whole read. "Socket capture aborted" on
  // time-out or cancel.
  void Capture(std::string& into, size_t limit, const char* too_large, int64_t expected,
               std::chrono::steady_clock::time_point deadline);

  // The time-out timer: started by an operation, it fires inside the waits.
  void StartTimer();
  void StopTimer() { timer_running_ = false; }
  // Checks the timer; on firing sets the timed-out flag and requests cancellation.
  void CheckTimer();
  static void PumpMessages();

 private:
  void OpenSocket(bool linger);
  void CloseSocket();
  bool Resolve(const std::string& name, in_addr& address);
  // Waits for `events` on the socket for at most a few milliseconds; then one pump pass.
  void WaitStep(short events);
  [[noreturn]] void RaiseErrno(int posix_errno);
  // recv and send, through TLS when the connection runs it; `wait` is the readiness to wait for
  // when the call would block.
  std::ptrdiff_t ReceiveSome(char* data, size_t size, short& wait);
  std::ptrdiff_t SendSome(const char* data, size_t size, short& wait);

  std::intptr_t fd_ = -1;  // the system's socket handle; -1 for none
  std::string host_;
  int port_ = 0;
  std::string proxy_;
  int proxy_port_ = 0;
  int timeout_ms_ = 0;
  int report_level_ = 0;
  bool connected_ = false;
  bool cancel_ = false;
  bool timed_out_ = false;
  bool timer_running_ = false;
  std::chrono::steady_clock::time_point timer_deadline_;
  std::string pending_;  // received bytes not yet handed out
  std::unique_ptr<SecureChannel> tls_;
};

}  // namespace lunvale::net
