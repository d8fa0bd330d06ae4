// SPDX-License-Identifier: MIT
#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace lunvale::test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kMaxRequestHead = 65536;
constexpr int kStepMs = 10;

int BindLoopback(uint16_t& port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("test server: socket failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    throw std::runtime_error("test server: bind failed");
  }
  port = ntohs(address.sin_port);
  return fd;
}

}  // namespace

HttpTestServer::HttpTestServer(Handler handler, std::chrono::milliseconds lifetime, int max_connections)
    : handler_(std::move(handler)), end_(Clock::now() + lifetime), max_connections_(max_connections) {
  listen_fd_ = BindLoopback(port_);
  if (listen(listen_fd_, 16) != 0) {
    close(listen_fd_);
    throw std::runtime_error("test server: listen failed");
  }
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

HttpTestServer::~HttpTestServer() {
  Stop();
  acceptor_.join();
  for (auto& worker : workers_) worker.join();
  close(listen_fd_);
}

void HttpTestServer::Stop() {
  stop_ = true;
}

std::string HttpTestServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> HttpTestServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void HttpTestServer::AcceptLoop() {
  while (!stop_ && Clock::now() < end_ && accepted_ < max_connections_) {
    pollfd entry{listen_fd_, POLLIN, 0};
    if (poll(&entry, 1, kStepMs) <= 0) continue;
    const int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) continue;
    ++accepted_;
    // Only the acceptor adds workers; the destructor joins them after joining the acceptor.
    workers_.emplace_back([this, fd] {
      Connection connection(*this, fd);
      handler_(connection);
      close(fd);
    });
  }
}

bool HttpTestServer::Connection::Stopping() const {
  return server_.stop_ || Clock::now() >= server_.end_;
}

std::string HttpTestServer::Connection::ReadRequest() {
  std::string head;
  char chunk[4096];
  while (!Stopping() && head.size() < kMaxRequestHead && head.find("\r\n\r\n") == std::string::npos) {
    const ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
    if (n > 0) {
      head.append(chunk, static_cast<size_t>(n));
    } else if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
      break;
    } else {
      pollfd entry{fd_, POLLIN, 0};
      poll(&entry, 1, kStepMs);
    }
  }
  std::lock_guard lock(server_.mutex_);
  server_.requests_.push_back(head);
  return head;
}

bool HttpTestServer::Connection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    if (Stopping()) return false;
    const ssize_t n = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n > 0) {
      bytes.remove_prefix(static_cast<size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      pollfd entry{fd_, POLLOUT, 0};
      poll(&entry, 1, kStepMs);
    } else {
      return false;
    }
  }
  return true;
}

bool HttpTestServer::Connection::Pause(std::chrono::milliseconds duration) {
  const auto until = Clock::now() + duration;
  while (Clock::now() < until) {
    if (Stopping()) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<int64_t>(kStepMs, duration.count())));
  }
  return !Stopping();
}

void HttpTestServer::Connection::Reset() {
  linger option{1, 0};
  setsockopt(fd_, SOL_SOCKET, SO_LINGER, &option, sizeof option);
  shutdown(fd_, SHUT_RD);
}

std::string HttpTestServer::Reply(int status, std::string_view reason, std::string_view headers,
                                  std::string_view body) {
  std::string reply = "HTTP/1.0 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
  reply.append(headers);
  reply += "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
  reply.append(body);
  return reply;
}

HttpTestServer::Handler HttpTestServer::Serve(std::string reply) {
  return [reply = std::move(reply)](Connection& connection) {
    connection.ReadRequest();
    connection.Send(reply);
  };
}

uint16_t ClosedPort() {
  uint16_t port = 0;
  close(BindLoopback(port));
  return port;
}

}  // namespace lunvale::test
