// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace lunvale::test {

// A small HTTP server on 127.0.0.1 for the network tests. Each accepted connection runs the
// handler on a thread of its own; the handler decides what the peer sees (a document, a redirect,
// delays, garbage, a reset). The server is bounded: it accepts at most `max_connections`, stops by
// itself after `lifetime`, and every wait of a connection ends when it stops. The destructor stops
// it and joins every thread.
class HttpTestServer {
 public:
  class Connection {
   public:
    Connection(HttpTestServer& server, int fd) : server_(server), fd_(fd) {}
    // The request head up to and including its empty line (at most 64 KiB, within the lifetime),
    // recorded in Requests(); what arrived so far when the peer closes first.
    std::string ReadRequest();
    // Sends all bytes; false when the peer is gone or the server stops.
    bool Send(std::string_view bytes);
    // Sleeps, ending early when the server stops. False when it stopped.
    bool Pause(std::chrono::milliseconds duration);
    // Aborts the connection: the peer sees a reset.
    void Reset();
    bool Stopping() const;
    // The connection's socket (non-blocking), for handlers that speak another protocol on it.
    int Fd() const { return fd_; }

   private:
    HttpTestServer& server_;
    int fd_;
  };
  using Handler = std::function<void(Connection&)>;

  explicit HttpTestServer(Handler handler, std::chrono::milliseconds lifetime = std::chrono::seconds(8),
                          int max_connections = 16);
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  uint16_t Port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by `path`.
  std::string Url(std::string_view path = "/") const;
  // The request heads read so far, in the order they arrived.
  std::vector<std::string> Requests() const;
  int Accepted() const { return accepted_; }
  void Stop();

  // A complete HTTP/1.0 reply: status line, the extra header lines (each ending in CR LF), a
  // Content-Length line, the empty line and the body.
  static std::string Reply(int status, std::string_view reason, std::string_view headers,
                           std::string_view body);
  // A handler that reads the request, sends `reply` and closes.
  static Handler Serve(std::string reply);

 private:
  void AcceptLoop();

  Handler handler_;
  std::chrono::steady_clock::time_point end_;
  int max_connections_;
  int listen_fd_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_ = false;
  std::atomic<int> accepted_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

// A port on 127.0.0.1 on which nothing listens.
uint16_t ClosedPort();

}  // namespace lunvale::test
