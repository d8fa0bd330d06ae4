// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "net/http_client.h"
#include "support/http_test_server.h"

namespace lunvale::net {
namespace {

using test::HttpTestServer;
using namespace std::chrono_literals;

const std::string kFixedLines =
    "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
    "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
    "User-Agent: " +
    std::string(THTTPClient::UserAgent()) + "\r\n";
const std::string kContentType = "Content-type: application/x-www-form-urlencoded\r\n\r\n";

TEST(THTTPClient, SendsTheFixedRequestAndKeepsHeaderAndBodyAsBytes) {
  const std::string body("<rss>\0\xe9\xff</rss>", 13);
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "X-Feed: 1\r\n", body)));
  THTTPClient client;
  EXPECT_EQ(client.GetBody(), "Default.htm");
  EXPECT_EQ(client.GetHeader(), "Head.txt");
  client.SetTimeOut(2000);
  client.Get("http://127.0.0.1:" + std::to_string(server.Port()) + "/forecastrss?p=20001&u=f");

  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_TRUE(THTTPClient::UserAgent().starts_with("Lunvale-Screensaver/0"));
  EXPECT_EQ(server.Requests()[0],
            "GET /forecastrss?p=20001&u=f HTTP/1.0\r\nHost: 127.0.0.1\r\n" + kFixedLines + kContentType);
  EXPECT_EQ(client.GetStatusCode(), 200);
  EXPECT_EQ(client.GetHeader(), "HTTP/1.0 200 OK\r\nX-Feed: 1\r\nContent-Length: 13\r\n\r\n");
  EXPECT_EQ(client.GetBody(), body);
  EXPECT_EQ(client.GetPort(), server.Port());
  EXPECT_FALSE(client.Connected());
}

TEST(THTTPClient, LooksNamesUpAndCompletesAnEmptyPath) {
  HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", "x")));
  THTTPClient client;
  client.SetTimeOut(2000);
  client.Get("http://localhost:" + std::to_string(server.Port()));
  EXPECT_EQ(client.GetURL(), "http://localhost:" + std::to_string(server.Port()) + "/");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], "GET / HTTP/1.0\r\nHost: localhost\r\n" + kFixedLines + kContentType);
  EXPECT_EQ(client.GetBody(), "x");
}

TEST(THTTPClient, ErrorRepliesAndGarbageEndNormally) {
  {
    HttpTestServer server(HttpTestServer::Serve(HttpTestServer::Reply(404, "Not Found", "", "no such page")));
    THTTPClient client;
    client.SetTimeOut(2000);
    client.Get(server.Url("/missing"));
    EXPECT_EQ(client.GetStatusCode(), 404);
    EXPECT_EQ(client.GetHeader().rfind("HTTP/1.0 404 Not Found\r\n", 0), 0u);
    EXPECT_EQ(client.GetBody(), "no such page");
  }
  {
    // No status number, no line end, then the close: all of it is the status line.
    HttpTestServer server(HttpTestServer::Serve(std::string("\x01garbage HTTP \x7f", 15)));
    THTTPClient client;
    client.SetTimeOut(2000);
    client.Get(server.Url("/"));
    EXPECT_EQ(client.GetStatusCode(), 0);
    EXPECT_EQ(client.GetHeader(), std::string("\x01garbage HTTP \x7f", 15));
    EXPECT_EQ(client.GetBody(), "");
  }
}

TEST(THTTPClient, ReadsAReplyDeliveredOneByteAtATime) {
  std::string body;
  for (int i = 0; i < 200; ++i) body += static_cast<char>('a' + i % 26);
  const std::string reply = HttpTestServer::Reply(200, "OK", "", body);
  HttpTestServer server([&reply](HttpTestServer::Connection& connection) {
    connection.ReadRequest();
    for (char c : reply) {
      if (!connection.Send(std::string_view(&c, 1)) || !connection.Pause(1ms)) return;
    }
  });
  THTTPClient client;
  client.SetTimeOut(2000);
  client.Get(server.Url("/slow"));
  EXPECT_EQ(client.GetStatusCode(), 200);
  EXPECT_EQ(client.GetBody(), body);
}

TEST(THTTPClient, GoesThroughTheProxyWithTheAbsoluteUrl) {
  HttpTestServer proxy(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", "via proxy")));
  THTTPClient client;
  client.SetTimeOut(2000);
  client.SetProxy("localhost");
  client.SetProxyPort(proxy.Port());
  // The origin's name is only ever given to the proxy: nothing looks it up.
  client.Get("http://weather.example.invalid:8080/forecastrss?p=20001&u=f");
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0],
            "GET http://weather.example.invalid:8080/forecastrss?p=20001&u=f HTTP/1.0\r\n"
            "Proxy-Connection: Keep-Alive\r\nHost: weather.example.invalid\r\n" +
                kFixedLines + kContentType);
  EXPECT_EQ(client.GetPort(), 8080);
  EXPECT_EQ(client.GetBody(), "via proxy");
}

TEST(THTTPClient, ReadsAKeptAliveProxyReplyToItsLength) {
  // A proxy that honours the Keep-Alive leaves the connection open after the announced length.
  HttpTestServer proxy([](HttpTestServer::Connection& connection) {
    connection.ReadRequest();
    connection.Send(HttpTestServer::Reply(200, "OK", "Proxy-Connection: keep-alive\r\n", "12345") + "extra");
    connection.Pause(3s);
  });
  THTTPClient client;
  client.SetTimeOut(1000);
  client.SetProxy("127.0.0.1");
  client.SetProxyPort(proxy.Port());
  const auto start = std::chrono::steady_clock::now();
  client.Get("http://feeds.example.invalid/news.xml");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 900ms);
  EXPECT_EQ(client.GetBody(), "12345");
}

TEST(THTTPClient, FollowsRedirectsAndSendsTheirCookie) {
  HttpTestServer server([](HttpTestServer::Connection& connection) {
    const std::string request = connection.ReadRequest();
    std::string reply;
    if (request.starts_with("GET /start ")) {
      reply = HttpTestServer::Reply(302, "Found", "Set-Cookie: id=42\r\nLocation: /news/second\r\n", "moved");
    } else if (request.starts_with("GET /news/second ")) {
      reply = HttpTestServer::Reply(301, "Moved", "Location: ../feeds/third.xml\r\n", "");
    } else if (request.starts_with("GET /feeds/third.xml ")) {
      reply = HttpTestServer::Reply(307, "Temporary", "Location: /final?at=12:30\r\n", "");
    } else {
      reply = HttpTestServer::Reply(200, "OK", "", "final");
    }
    connection.Send(reply);
  });
  THTTPClient client;
  client.SetTimeOut(2000);
  client.Get(server.Url("/start"));
  EXPECT_EQ(client.GetStatusCode(), 200);
  EXPECT_EQ(client.GetBody(), "final");
  EXPECT_EQ(client.GetCookie(), "id=42");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[0].find("Cookie:"), std::string::npos);
  // A relative path and a path with a colon keep the server's port; the cookie goes with every later
  // request.
  EXPECT_EQ(requests[2], "GET /feeds/third.xml HTTP/1.0\r\nHost: 127.0.0.1\r\n" + kFixedLines +
                             "Cookie: id=42\r\n" + kContentType);
  EXPECT_EQ(requests[3].rfind("GET /final?at=12:30 HTTP/1.0\r\n", 0), 0u);
  EXPECT_EQ(client.GetURL(), server.Url("/final?at=12:30"));
}

TEST(THTTPClient, StopsRedirectsThatLeadNowhere) {
  {
    HttpTestServer server(
        HttpTestServer::Serve(HttpTestServer::Reply(302, "Found", "Location: /loop\r\n", "x")));
    THTTPClient client;
    client.SetTimeOut(2000);
    // The last redirect page is not the document asked for.
    EXPECT_THROW(client.Get(server.Url("/loop")), ESockError);
    EXPECT_EQ(server.Accepted(), THTTPClient::kMaxRedirects + 1);
  }
  for (const char* status_line :
       {"HTTP/1.0 302 Found\r\n\r\n", "HTTP/1.0 305 Use Proxy\r\nLocation: /p\r\n\r\n",
        "HTTP/1.0 299 Odd\r\n\r\n"}) {
    HttpTestServer server(HttpTestServer::Serve(std::string(status_line) + "page"));
    THTTPClient client;
    client.SetTimeOut(2000);
    client.Get(server.Url("/once"));
    EXPECT_EQ(server.Accepted(), 1) << status_line;
    EXPECT_EQ(client.GetBody(), "page") << status_line;
  }
}

}  // namespace
}  // namespace lunvale::net
