// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>

#include "net/http_client.h"
#include "platform/app/application.h"
#include "platform/system/conversions.h"
#include "support/http_test_server.h"

namespace lunvale::net {
namespace {

using test::HttpTestServer;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Runs a Get that must fail with an ESockError and returns its message ("" when it did not fail).
template <typename Error = ESockError>
std::string FailureOf(THTTPClient& client, const std::string& url) {
  try {
    client.Get(url);
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

// A wait that ends in the time-out must neither end early nor hang: the time since `start` lies in
// [low, high).
void ExpectElapsed(Clock::time_point start, Clock::duration low, Clock::duration high) {
  const auto elapsed = Clock::now() - start;
  EXPECT_GE(elapsed, low);
  EXPECT_LT(elapsed, high);
}

TEST(StreamSocketErrors, TableOfSocketErrorTexts) {
  EXPECT_EQ(SocketErrorMessage(10035), "10035:Operation would block");
  EXPECT_EQ(SocketErrorMessage(10054), "10054:Connection reset by peer");
  EXPECT_EQ(SocketErrorMessage(10057), "10057:Socket is not connected");
  EXPECT_EQ(SocketErrorMessage(10060), "10060:Connection timed out");
  EXPECT_EQ(SocketErrorMessage(10061), "10061:Connection refused");
  EXPECT_EQ(SocketErrorMessage(11001), "11001:Host not found");
  EXPECT_EQ(SocketErrorMessage(11004), "11004:Valid name, no data record of requested type");
  EXPECT_EQ(SocketErrorMessage(12345), "12345:Unknown Error No. 12345");
  int rows = 0;
  for (int code = 10000; code < 11100; ++code) {
    if (SocketErrorText(code).rfind("Unknown Error No. ", 0) != 0) ++rows;
  }
  EXPECT_EQ(rows, 50);
  EXPECT_EQ(SocketErrorCode(ECONNRESET), 10054);
  EXPECT_EQ(SocketErrorCode(EPIPE), 10054);
  EXPECT_EQ(SocketErrorCode(ECONNREFUSED), 10061);
  EXPECT_EQ(SocketErrorCode(EWOULDBLOCK), 10035);
}

TEST(THTTPClientErrors, MalformedUrlsFailBeforeAnyConnection) {
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", "x")));
  THTTPClient client;
  client.SetTimeOut(1000);
  const auto plain = [&](const std::string& url) {
    try {
      client.Get(url);
    } catch (const ESockError&) {
      return std::string("socket error");
    } catch (const std::exception& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(plain(""), "Empty URL");
  EXPECT_EQ(plain("HTTPS://127.0.0.1:" + std::to_string(server.Port()) + "/"),
            "HTTP Secure Socket is not supported");
  EXPECT_EQ(plain("http://127.0.0.1:8x/"), "'8x' is not a valid integer value");
  EXPECT_THROW(client.Get("http://127.0.0.1:8x/"), platform::EConvertError);
  EXPECT_EQ(server.Accepted(), 0);
}

TEST(THTTPClientErrors, UnreachableServers) {
  THTTPClient client;
  client.SetTimeOut(1000);
  EXPECT_EQ(FailureOf(client, "http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/"),
            "Connection Failed");
  EXPECT_EQ(FailureOf(client, "http://nosuchhost.invalid/feed.xml"), "Null Remote Address");
  client.SetProxy("proxy.invalid");
  client.SetProxyPort(3128);
  EXPECT_EQ(FailureOf(client, "http://127.0.0.1/"), "Null Remote Address");
  // The callers' way on: disconnect, abort, and the next request works.
  client.Disconnect();
  client.Abort();
  client.SetProxy("");
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", "back")));
  client.Get(server.Url("/"));
  EXPECT_EQ(client.GetBody(), "back");
}

TEST(THTTPClientErrors, ConnectWaitEndsWithTheTimeOut) {
  // A listener that accepts nothing, its queue filled: the next connect is never answered.
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
  ASSERT_EQ(listen(listener, 0), 0);
  std::vector<int> fillers;
  for (int i = 0; i < 4; ++i) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    fillers.push_back(fd);
  }
  std::this_thread::sleep_for(50ms);
  THTTPClient client;
  client.SetTimeOut(300);
  const auto start = Clock::now();
  const std::string message =
      FailureOf(client, "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/");
  ExpectElapsed(start, 280ms, 1500ms);
  for (int fd : fillers) close(fd);
  close(listener);
  EXPECT_EQ(message, "Connection Timed out");
}

TEST(THTTPClientErrors, SilentServersEndInTheTimeOut) {
  HttpTestServer server([](HttpTestServer::Connection& connection) {
    const std::string request = connection.ReadRequest();
    if (request.starts_with("GET /keep ")) {
      connection.Send(HttpTestServer::Reply(200, "OK", "", "done"));
    }
    connection.Pause(3s);
  });
  THTTPClient client;
  client.SetTimeOut(250);
  auto start = Clock::now();
  EXPECT_EQ(FailureOf<EAbortError>(client, server.Url("/never")), "Socket readln aborted");
  ExpectElapsed(start, 230ms, 1s);
  EXPECT_TRUE(client.TimedOut());
  // A length given while the connection stays open does not end the body: only the close does.
  start = Clock::now();
  EXPECT_EQ(FailureOf<EAbortError>(client, server.Url("/keep")), "Socket capture aborted");
  ExpectElapsed(start, 230ms, 1s);
  EXPECT_FALSE(client.Connected());
}

TEST(THTTPClientErrors, SlowLookupsKeepMessagesServedAndEndInTheTimeOutOrAbort) {
  TStreamSocket::SetResolver([](const std::string&, in_addr& address) {
    std::this_thread::sleep_for(600ms);
    address.s_addr = htonl(INADDR_LOOPBACK);
    return true;
  });
  THTTPClient client;
  client.SetTimeOut(150);
  bool served = false;
  platform::Application::Instance().QueueCall([&served] { served = true; });
  const auto start = Clock::now();
  EXPECT_EQ(FailureOf(client, "http://slow.example.invalid/"), "Host Lookup Timed Out");
  ExpectElapsed(start, 130ms, 500ms);
  EXPECT_TRUE(served);

  client.SetTimeOut(0);
  platform::Application::Instance().QueueCall([&client] { client.Abort(); });
  EXPECT_EQ(FailureOf(client, "http://slow.example.invalid/"), "Host Lookup Canceled");
  TStreamSocket::SetResolver({});
}

TEST(THTTPClientErrors, AbortFromTheMessagePumpEndsTheRead) {
  HttpTestServer server([](HttpTestServer::Connection& connection) {
    connection.ReadRequest();
    connection.Send("HTTP/1.0 200 OK\r\n\r\npartial");
    connection.Pause(3s);
  });
  THTTPClient client;  // no time-out: only the abort can end the wait
  std::thread later([&] {
    std::this_thread::sleep_for(200ms);
    platform::Application::Instance().QueueCall([&client] { client.Abort(); });
  });
  EXPECT_EQ(FailureOf<EAbortError>(client, server.Url("/")), "Socket capture aborted");
  later.join();
  EXPECT_FALSE(client.TimedOut());
}

TEST(THTTPClientErrors, HostileServersAreCutOff) {
  const auto endless = [](std::string prefix, std::string filler) {
    return [prefix, filler](HttpTestServer::Connection& connection) {
      connection.ReadRequest();
      if (!connection.Send(prefix)) return;
      while (connection.Send(filler)) {
      }
    };
  };
  THTTPClient client;
  client.SetTimeOut(2000);
  {
    HttpTestServer server(endless("HTTP/1.0 200 OK\r\n", "X-Pad: 0123456789\r\n"));
    EXPECT_EQ(FailureOf(client, server.Url("/")), "Response header too large");
  }
  {
    HttpTestServer server(endless("HTTP/1.0 200 OK", std::string(4096, 'a')));
    EXPECT_EQ(FailureOf(client, server.Url("/")), "Response header line too long");
  }
  {
    HttpTestServer server(endless("HTTP/1.0 200 OK\r\n\r\n", std::string(65536, 'b')));
    EXPECT_EQ(FailureOf(client, server.Url("/")), "Response body too large");
  }
  {
    HttpTestServer server([](HttpTestServer::Connection& connection) {
      connection.ReadRequest();
      connection.Send("HTTP/1.0 200 OK\r\n\r\nsome");
      connection.Pause(100ms);
      connection.Reset();
    });
    EXPECT_EQ(FailureOf(client, server.Url("/")), "10054:Connection reset by peer");
  }
}

TEST(THTTPClientErrors, TricklingServersEndWithinABoundedTime) {
  HttpTestServer server([](HttpTestServer::Connection& connection) {
    const std::string request = connection.ReadRequest();
    if (request.starts_with("GET /body ") && !connection.Send("HTTP/1.0 200 OK\r\n\r\n")) return;
    while (connection.Send(request.starts_with("GET /body ") ? "b" : "X-Slow: 1\r\n") &&
           connection.Pause(40ms)) {
    }
  });
  THTTPClient client;
  client.SetTimeOut(100);
  // Each byte comes within the time-out, so the bound on the whole response ends the read (or, on a
  // loaded machine, a gap longer than the time-out): never before one time-out has passed.
  const auto bound = std::chrono::milliseconds(100 * THTTPClient::kResponseTimeFactor);
  auto start = Clock::now();
  EXPECT_EQ(FailureOf<EAbortError>(client, server.Url("/head")), "Socket readln aborted");
  ExpectElapsed(start, 90ms, bound + 500ms);
  start = Clock::now();
  EXPECT_EQ(FailureOf<EAbortError>(client, server.Url("/body")), "Socket capture aborted");
  ExpectElapsed(start, 90ms, bound + 500ms);
}

}  // namespace
}  // namespace lunvale::net
