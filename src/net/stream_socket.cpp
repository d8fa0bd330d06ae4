// SPDX-License-Identifier: MIT
#include "net/stream_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>
#include <utility>

#include "net/secure_channel.h"
#include "platform/app/application.h"

namespace lunvale::net {

namespace {

using Clock = std::chrono::steady_clock;

// Short enough that the user interface stays responsive, long enough not to spin.
constexpr int kWaitStepMs = 2;

constexpr std::array<std::pair<int, int>, 42> kErrnoCodes = {{
    {EINTR, 10004},         {EBADF, 10009},        {EACCES, 10013},          {EFAULT, 10014},
    {EINVAL, 10022},        {EMFILE, 10024},       {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},
    {EALREADY, 10037},      {ENOTSOCK, 10038},     {EDESTADDRREQ, 10039},    {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},    {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044},
    {EOPNOTSUPP, 10045},    {EPFNOSUPPORT, 10046}, {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},
    {EADDRNOTAVAIL, 10049}, {ENETDOWN, 10050},     {ENETUNREACH, 10051},     {ENETRESET, 10052},
    {ECONNABORTED, 10053},  {ECONNRESET, 10054},   {EPIPE, 10054},           {ENOBUFS, 10055},
    {EISCONN, 10056},       {ENOTCONN, 10057},     {ESHUTDOWN, 10058},       {ETOOMANYREFS, 10059},
    {ETIMEDOUT, 10060},     {ECONNREFUSED, 10061}, {ELOOP, 10062},           {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},     {EHOSTUNREACH, 10065}, {ENOTEMPTY, 10066},       {EUSERS, 10068},
    {EDQUOT, 10069},        {ESTALE, 10070},
}};

// Lookups outlive a wait that gave up on them, so their state is shared with the helper thread, and
// the process-wide state is never destroyed (a helper may still finish after main returns).
struct LookupShared {
  std::mutex mutex;
  TStreamSocket::Resolver resolver;
  int pending = 0;
};

LookupShared& Shared() {
  static auto* shared = new LookupShared;
  return *shared;
}

struct Lookup {
  std::atomic<bool> done = false;
  bool ok = false;  // written before `done` is set
  in_addr address{};
};

bool EndsWithInvalid(std::string name) {
  while (!name.empty() && name.back() == '.') name.pop_back();
  for (auto& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return name == "invalid" || (name.size() > 8 && name.ends_with(".invalid"));
}

bool SystemResolve(const std::string& host, in_addr& address) {
  // Names under ".invalid" are answered here: they can never exist, so no query need leave the
  // machine for them.
  if (EndsWithInvalid(host)) return false;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* result = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || result == nullptr) return false;
  address = reinterpret_cast<const sockaddr_in*>(result->ai_addr)->sin_addr;
  freeaddrinfo(result);
  return true;
}

}  // namespace

int SocketErrorCode(int posix_errno) {
  for (const auto& [err, code] : kErrnoCodes) {
    if (err == posix_errno) return code;
  }
  return posix_errno;
}

TStreamSocket::TStreamSocket(platform::TComponent* owner) : platform::TComponent(owner) {
  // Only the first socket closes without waiting for unsent data.
  OpenSocket(true);
}

TStreamSocket::~TStreamSocket() {
  cancel_ = true;
  CloseSocket();
}

void TStreamSocket::SetResolver(Resolver resolver) {
  std::lock_guard lock(Shared().mutex);
  Shared().resolver = std::move(resolver);
}

void TStreamSocket::OpenSocket(bool linger) {
  fd_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
  if (fd_ < 0) throw ESockError("Initializaton of windows sockets failed");
  if (linger) {
    ::linger option{1, 0};
    if (setsockopt(static_cast<int>(fd_), SOL_SOCKET, SO_LINGER, &option, sizeof option) != 0) {
      CloseSocket();
      throw ESockError("Initializaton of windows sockets failed");
    }
  }
}

void TStreamSocket::CloseSocket() {
  tls_.reset();
  if (fd_ >= 0) ::close(static_cast<int>(fd_));
  fd_ = -1;
  connected_ = false;
  pending_.clear();
}

void TStreamSocket::Disconnect() {
  CloseSocket();
  OpenSocket(false);
}

void TStreamSocket::RaiseErrno(int posix_errno) {
  throw ESockError(SocketErrorMessage(SocketErrorCode(posix_errno)));
}

void TStreamSocket::PumpMessages() {
  auto& app = platform::Application::Instance();
  if (app.IsMainThread()) app.ProcessMessages();
}

void TStreamSocket::StartTimer() {
  timer_running_ = timeout_ms_ > 0;
  timer_deadline_ = Clock::now() + std::chrono::milliseconds(timeout_ms_);
}

void TStreamSocket::CheckTimer() {
  if (timer_running_ && Clock::now() >= timer_deadline_) {
    timer_running_ = false;
    timed_out_ = true;
    cancel_ = true;
  }
}

void TStreamSocket::WaitStep(short events) {
  if (fd_ >= 0 && events != 0) {
    pollfd entry{static_cast<int>(fd_), events, 0};
    ::poll(&entry, 1, kWaitStepMs);
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(kWaitStepMs));
  }
  PumpMessages();
  CheckTimer();
}

bool TStreamSocket::Resolve(const std::string& name, in_addr& address) {
  if (inet_pton(AF_INET, name.c_str(), &address) == 1) return true;
  auto& shared = Shared();
  const auto give_up = [this] {
    StopTimer();
    throw ESockError(timed_out_ ? "Host Lookup Timed Out" : "Host Lookup Canceled");
  };
  StartTimer();
  Resolver resolver;
  for (;;) {
    {
      std::lock_guard lock(shared.mutex);
      if (shared.pending < kMaxPendingLookups) {
        ++shared.pending;
        resolver = shared.resolver ? shared.resolver : Resolver(SystemResolve);
        break;
      }
    }
    if (cancel_) give_up();
    WaitStep(0);
  }
  auto lookup = std::make_shared<Lookup>();
  try {
    std::thread([lookup, resolver = std::move(resolver), name] {
      in_addr found{};
      const bool ok = resolver(name, found);
      lookup->ok = ok;
      lookup->address = found;
      {
        std::lock_guard lock(Shared().mutex);
        --Shared().pending;
      }
      lookup->done = true;
    }).detach();
  } catch (const std::system_error&) {
    std::lock_guard lock(shared.mutex);
    --shared.pending;
    throw ESockError(SocketErrorMessage(SocketErrorCode(EAGAIN)));
  }
  while (!lookup->done) {
    if (cancel_) give_up();
    WaitStep(0);
  }
  StopTimer();
  if (!lookup->ok) return false;
  address = lookup->address;
  return true;
}

void TStreamSocket::Connect() {
  if (connected_) throw ESockError("Already connected");
  cancel_ = false;
  timed_out_ = false;
  const bool via_proxy = !proxy_.empty();
  const std::string& name = via_proxy ? proxy_ : host_;
  const int port = via_proxy ? proxy_port_ : port_;
  in_addr address{};
  if (!Resolve(name, address)) throw ESockError("Null Remote Address");
  if (port <= 0 || port > 65535) throw ESockError(SocketErrorMessage(10049));
  if (fd_ < 0) OpenSocket(false);
  pending_.clear();

  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<uint16_t>(port));
  target.sin_addr = address;
  // A failed connect leaves the socket unusable; the next request gets a fresh one.
  const auto failed = [this](const char* message) {
    Disconnect();
    throw ESockError(message);
  };
  const auto is_refusal = [](int err) {
    return err == ECONNREFUSED || err == ENETUNREACH || err == EHOSTUNREACH || err == ETIMEDOUT ||
           err == ECONNRESET;
  };
  if (::connect(static_cast<int>(fd_), reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
    connected_ = true;
    return;
  }
  const int err = errno;
  // The loopback reports a refusal at once where other networks report it later: the same failure.
  if (is_refusal(err)) failed("Connection Failed");
  if (err != EINPROGRESS && err != EINTR) {
    Disconnect();
    RaiseErrno(err);
  }
  StartTimer();
  for (;;) {
    pollfd entry{static_cast<int>(fd_), POLLOUT, 0};
    if (::poll(&entry, 1, kWaitStepMs) > 0) {
      int so_error = 0;
      socklen_t length = sizeof so_error;
      getsockopt(static_cast<int>(fd_), SOL_SOCKET, SO_ERROR, &so_error, &length);
      StopTimer();
      if (so_error != 0) failed("Connection Failed");
      connected_ = true;
      return;
    }
    PumpMessages();
    CheckTimer();
    if (cancel_) {
      StopTimer();
      failed(timed_out_ ? "Connection Timed out" : "Connection Canceled");
    }
  }
}

std::ptrdiff_t TStreamSocket::ReceiveSome(char* data, size_t size, short& wait) {
  if (tls_) return tls_->Read(data, size, wait);
  return ::recv(static_cast<int>(fd_), data, size, 0);
}

std::ptrdiff_t TStreamSocket::SendSome(const char* data, size_t size, short& wait) {
  if (tls_) return tls_->Write(data, size, wait);
  return ::send(static_cast<int>(fd_), data, size, MSG_NOSIGNAL);
}

void TStreamSocket::StartSecure(const std::string& host) {
  tls_ = std::make_unique<SecureChannel>(fd_, host);
  StartTimer();
  short wait = 0;
  while (!tls_->Handshake(wait)) {
    if (cancel_) {
      StopTimer();
      throw ESockError(timed_out_ ? "Secure handshake timed out" : "Secure handshake canceled");
    }
    WaitStep(wait);
  }
  StopTimer();
}

bool TStreamSocket::SecureTruncated() const {
  return tls_ && tls_->Truncated();
}

void TStreamSocket::SendText(std::string_view text) {
  StartTimer();
  size_t sent = 0;
  while (sent < text.size()) {
    if (cancel_) {
      StopTimer();
      throw EAbortError("Socket send aborted");
    }
    short wait = POLLOUT;
    const std::ptrdiff_t n = SendSome(text.data() + sent, text.size() - sent, wait);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      StopTimer();
      RaiseErrno(errno);
    }
    WaitStep(wait);
  }
  StopTimer();
}

std::string TStreamSocket::ReadLine(Clock::time_point deadline) {
  StartTimer();
  std::array<char, 16384> chunk;
  size_t searched = 0;
  for (;;) {
    const size_t end = pending_.find('\n', searched);
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end + 1);
      pending_.erase(0, end + 1);
      StopTimer();
      return line;
    }
    searched = pending_.size();
    if (pending_.size() > kReceiveBufferSize) {
      StopTimer();
      throw ESockError("Response header line too long");
    }
    if (Clock::now() >= deadline) {
      timed_out_ = true;
      cancel_ = true;
    }
    if (cancel_) {
      StopTimer();
      throw EAbortError("Socket readln aborted");
    }
    short wait = POLLIN;
    const std::ptrdiff_t n = ReceiveSome(chunk.data(), chunk.size(), wait);
    if (n > 0) {
      pending_.append(chunk.data(), static_cast<size_t>(n));
      continue;
    }
    if (n == 0 || errno == ENOTCONN) {
      StopTimer();
      return std::exchange(pending_, {});
    }
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      StopTimer();
      RaiseErrno(errno);
    }
    WaitStep(wait);
  }
}

void TStreamSocket::Capture(std::string& into, size_t limit, const char* too_large, int64_t expected,
                            Clock::time_point deadline) {
  StartTimer();
  const size_t start = into.size();
  const auto complete = [&] {
    return expected >= 0 && into.size() - start >= static_cast<uint64_t>(expected);
  };
  const auto check_size = [&] {
    if (into.size() > limit) {
      StopTimer();
      throw ESockError(too_large);
    }
  };
  into.append(std::exchange(pending_, {}));
  check_size();
  std::array<char, 16384> chunk;
  while (!cancel_ && !complete()) {
    short wait = POLLIN;
    const std::ptrdiff_t n = ReceiveSome(chunk.data(), chunk.size(), wait);
    if (n > 0) {
      into.append(chunk.data(), static_cast<size_t>(n));
      check_size();
      StartTimer();
      continue;
    }
    if (n == 0 || errno == ENOTCONN) break;
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
      StopTimer();
      RaiseErrno(errno);
    }
    WaitStep(wait);
    if (Clock::now() >= deadline) {
      timed_out_ = true;
      cancel_ = true;
    }
  }
  StopTimer();
  if (cancel_) throw EAbortError("Socket capture aborted");
  if (complete() && into.size() - start > static_cast<uint64_t>(expected)) {
    into.resize(start + static_cast<size_t>(expected));
  }
}

}  // namespace lunvale::net
