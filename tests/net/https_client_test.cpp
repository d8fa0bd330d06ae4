// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <pthread.h>
#include <sys/socket.h>

#include <csignal>
#include <string>
#include <thread>

#include "net/http_client.h"
#include "platform/app/application.h"
#include "support/feed_servers.h"
#include "support/http_test_server.h"

namespace lunvale::net {
namespace {

using test::HttpTestServer;
using testing::FeedServers;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr char kFeed[] = "<rss><channel><title>Secure Lake</title></channel></rss>";

std::string FailureOf(THTTPClient& client, const std::string& url) {
  try {
    client.Get(url);
  } catch (const ESockError& e) {
    return e.what();
  }
  return "";
}

// A client that may ask for https, trusting only the authority in `authority_file`.
struct SecureClient : THTTPClient {
  explicit SecureClient(const std::string& authority_file, int timeout_ms = 3000)
      : store("SSL_CERT_FILE", authority_file) {
    SetSecureAllowed(true);
    SetTimeOut(timeout_ms);
  }
  testing::ScopedEnv store;
};

// A TLS server of our own (with the good certificate of `servers`), for what a web server never
// does: after the handshake and the request it sends `reply` (then filler without end, when
// `endless`), and cuts the connection without close_notify.
HttpTestServer::Handler SecureHandler(const FeedServers& servers, std::string reply, bool endless) {
  return [cert = servers.SecureFile("good.pem"), key = servers.SecureFile("good.key"), reply,
          endless](HttpTestServer::Connection& connection) {
    // A client gone away is an error of SSL_write here, not a signal for the whole test.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    fcntl(connection.Fd(), F_SETFL, 0);
    timeval limit{3, 0};
    setsockopt(connection.Fd(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(connection.Fd(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    SSL_CTX* context = SSL_CTX_new(TLS_server_method());
    SSL_CTX_use_certificate_file(context, cert.c_str(), SSL_FILETYPE_PEM);
    SSL_CTX_use_PrivateKey_file(context, key.c_str(), SSL_FILETYPE_PEM);
    SSL* ssl = SSL_new(context);
    SSL_set_fd(ssl, connection.Fd());
    char request[4096];
    if (SSL_accept(ssl) == 1 && SSL_read(ssl, request, sizeof request) > 0) {
      int sent = SSL_write(ssl, reply.data(), static_cast<int>(reply.size()));
      const std::string filler(65536, 'z');
      while (endless && sent > 0) sent = SSL_write(ssl, filler.data(), static_cast<int>(filler.size()));
    }
    SSL_free(ssl);
    SSL_CTX_free(context);
  };
}

TEST(THTTPClientSecure, VerifiesTheServerAgainstTheStoreAndItsName) {
  FeedServers servers(true);
  servers.Put("feed.xml", kFeed);
  SecureClient client(servers.AuthorityFile());
  client.Get(servers.SecureUrl("/feed.xml"));
  EXPECT_EQ(client.GetBody(), kFeed);
  EXPECT_EQ(client.GetPort(), servers.SecurePort());
  // A name is sent to the server and checked against the certificate's names.
  TStreamSocket::SetResolver([](const std::string& name, in_addr& address) {
    address.s_addr = htonl(INADDR_LOOPBACK);
    return name != "nowhere.lunvale.test";
  });
  const std::string port = ":" + std::to_string(servers.SecurePort()) + "/feed.xml";
  client.Get("https://feeds.lunvale.test" + port);
  EXPECT_EQ(client.GetBody(), kFeed);
  EXPECT_EQ(FailureOf(client, "https://other.lunvale.test" + port),
            "Certificate verification failed: hostname mismatch");
  TStreamSocket::SetResolver({});
  EXPECT_EQ(FailureOf(client, servers.SecureUrl("/feed.xml", FeedServers::kExpired)),
            "Certificate verification failed: certificate has expired");
  EXPECT_EQ(FailureOf(client, servers.SecureUrl("/feed.xml", FeedServers::kSelfSigned)),
            "Certificate verification failed: self-signed certificate");
  EXPECT_EQ(ERR_peek_error(), 0u);
  // The name goes to the server (SNI), an address does not.
  EXPECT_EQ(servers.CountInWebLog("|feeds.lunvale.test|-|feeds.lunvale.test"), 1) << servers.WebLog();
  EXPECT_EQ(servers.CountInWebLog("GET /feed.xml HTTP/1.0|127.0.0.1|-|-"), 1) << servers.WebLog();
  {
    // The system's store does not know the test authority.
    testing::ScopedEnv system_store("SSL_CERT_FILE", "/etc/ssl/certs/ca-certificates.crt");
    EXPECT_EQ(FailureOf(client, servers.SecureUrl("/feed.xml")),
              "Certificate verification failed: unable to get local issuer certificate");
  }
  // Limits hold inside TLS as outside.
  EXPECT_EQ(FailureOf(client, servers.SecureUrl("/loop")), "Too many redirects");
}

TEST(THTTPClientSecure, RedirectsToHttpsAndTunnelsThroughTheProxy) {
  FeedServers servers(true);
  servers.Put("feed.xml", kFeed);
  SecureClient client(servers.AuthorityFile());
  HttpTestServer plain(HttpTestServer::Serve(
      HttpTestServer::Reply(302, "Found", "Location: " + servers.SecureUrl("/feed.xml") + "\r\n", "")));
  client.Get(plain.Url("/news"));
  EXPECT_EQ(client.GetBody(), kFeed);
  EXPECT_EQ(client.GetStatusCode(), 200);

  // The proxy sees only the tunnel; the request inside goes as to the server itself.
  client.SetProxy("127.0.0.1");
  client.SetProxyPort(servers.ProxyPort());
  client.Get(servers.SecureUrl("/feed.xml"));
  EXPECT_EQ(client.GetBody(), kFeed);
  EXPECT_EQ(servers.CountInWebLog("GET /feed.xml HTTP/1.0|127.0.0.1|-"), 2) << servers.WebLog();
  EXPECT_NE(servers.ProxyLog().find("CONNECT 127.0.0.1:" + std::to_string(servers.SecurePort())),
            std::string::npos)
      << servers.ProxyLog();
  // A proxy that refuses the tunnel.
  HttpTestServer refusing(HttpTestServer::Serve("HTTP/1.0 403 Forbidden\r\n\r\n"));
  client.SetProxyPort(refusing.Port());
  EXPECT_EQ(FailureOf(client, servers.SecureUrl("/feed.xml")), "HTTP/1.0 403 Forbidden");
  EXPECT_EQ(refusing.Requests().at(0).rfind("CONNECT 127.0.0.1:", 0), 0u) << refusing.Requests()[0];

  // Without leave, https is still refused before anything is asked.
  THTTPClient plain_only;
  EXPECT_FALSE(plain_only.SecureAllowed());
  EXPECT_THROW(plain_only.Get(plain.Url("/news")), std::runtime_error);
  EXPECT_EQ(plain.Accepted(), 2);
}

TEST(THTTPClientSecure, HandshakesThatStallOrFailEnd) {
  // A server that does not speak TLS.
  HttpTestServer plain(
      [](HttpTestServer::Connection& connection) { connection.Send("HTTP/1.0 400 Bad Request\r\n\r\n"); });
  SecureClient client("/nonexistent", 300);
  EXPECT_EQ(FailureOf(client, "https://127.0.0.1:" + std::to_string(plain.Port()) + "/"),
            "Secure handshake failed: wrong version number");
  // OpenSSL's reasons are taken, not left behind.
  EXPECT_EQ(ERR_peek_error(), 0u);

  HttpTestServer silent([](HttpTestServer::Connection& connection) { connection.Pause(3s); });
  const std::string url = "https://127.0.0.1:" + std::to_string(silent.Port()) + "/";
  const auto start = Clock::now();
  EXPECT_EQ(FailureOf(client, url), "Secure handshake timed out");
  EXPECT_GE(Clock::now() - start, 280ms);
  EXPECT_LT(Clock::now() - start, 1500ms);
  EXPECT_FALSE(client.Connected());

  client.SetTimeOut(0);
  std::thread later([&client] {
    std::this_thread::sleep_for(150ms);
    platform::Application::Instance().QueueCall([&client] { client.Abort(); });
  });
  EXPECT_EQ(FailureOf(client, url), "Secure handshake canceled");
  later.join();
}

TEST(THTTPClientSecure, CutAndOversizedSecureStreamsFail) {
  FeedServers servers(true);
  SecureClient client(servers.AuthorityFile());
  const auto get = [&](const std::string& reply, bool endless = false) {
    HttpTestServer server(SecureHandler(servers, reply, endless));
    const std::string failure = FailureOf(client, "https://127.0.0.1:" + std::to_string(server.Port()) + "/");
    return failure.empty() ? "body: " + client.GetBody() : failure;
  };
  EXPECT_EQ(get("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly ten.."),
            "Secure connection closed before the end of the body");
  // A body that is whole, or has no length to fall short of, ends as the connection does.
  EXPECT_EQ(get("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nwhole"), "body: whole");
  EXPECT_EQ(get("HTTP/1.0 200 OK\r\n\r\nuntil the end"), "body: until the end");
  EXPECT_EQ(get("HTTP/1.0 200 OK\r\n\r\n", true), "Response body too large");
}

}  // namespace
}  // namespace lunvale::net
