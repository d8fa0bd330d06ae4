#include "support/feed_servers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "support/http_test_server.h"
#include "support/test_authority.h"

namespace lunvale::testing {

namespace {

std::string Fill(std::string text, const std::string& marker, const std::string& value) {
  for (size_t at; (at = text.find(marker)) != std::string::npos;) text.replace(at, marker.size(), value);
  return text;
}

bool Accepts(uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

void WaitUntilListening(uint16_t port, ChildProcess& process, const char* name) {
  for (int i = 0; i < 500; ++i) {
    if (Accepts(port)) return;
    if (!process.Running()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  throw std::runtime_error(std::string(name) + " did not start: " + process.Stderr() + process.Stdout());
}

}  // namespace

FeedServers::FeedServers(bool secure) {
  const std::string dir = dir_.Path();
  std::filesystem::create_directories(dir + "/www");
  const std::string servers = std::string(LUNVALE_SOURCE_DIR) + "/tests/feeds/servers/";
  std::vector<uint16_t> taken;
  const auto free_port = [&taken] {
    uint16_t port;
    do {
      port = test::ClosedPort();
    } while (std::find(taken.begin(), taken.end(), port) != taken.end());
    taken.push_back(port);
    return port;
  };
  web_port_ = free_port();
  proxy_port_ = free_port();
  std::string secure_servers;
  if (secure) {
    const TestAuthority authority(dir);
    const TestAuthority::Issued issued[] = {
        authority.Issue("good", {"127.0.0.1", "feeds.lunvale.test"}),
        authority.Issue("expired", {"127.0.0.1"}, -7200, -3600),
        authority.Issue("self-signed", {"127.0.0.1"}, -3600, 86400, true)};
    for (int i = 0; i < 3; ++i) {
      secure_ports_[i] = free_port();
      std::string server =
          Fill(ReadFile(servers + "nginx-secure.conf.in"), "@PORT@", std::to_string(secure_ports_[i]));
      secure_servers += Fill(Fill(server, "@CERT@", issued[i].certificate), "@KEY@", issued[i].key);
    }
  }
  std::string web = Fill(ReadFile(servers + "nginx.conf.in"), "@SECURE@", secure_servers);
  web = Fill(web, "@PORT@", std::to_string(web_port_));
  web = Fill(Fill(web, "@ROOT@", dir + "/www"), "@DIR@", dir);
  std::ofstream(dir + "/nginx.conf") << web;
  const std::string proxy = Fill(
      Fill(ReadFile(servers + "tinyproxy.conf.in"), "@PORT@", std::to_string(proxy_port_)), "@DIR@", dir);
  std::ofstream(dir + "/tinyproxy.conf") << proxy;

  web_ = std::make_unique<ChildProcess>(std::vector<std::string>{"/usr/sbin/nginx", "-e", dir + "/error.log",
                                                                 "-p", dir, "-c", dir + "/nginx.conf"});
  proxy_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"/usr/bin/tinyproxy", "-d", "-c", dir + "/tinyproxy.conf"});
  WaitUntilListening(web_port_, *web_, "nginx");
  WaitUntilListening(proxy_port_, *proxy_, "tinyproxy");
  for (uint16_t port : secure_ports_) {
    if (port != 0) WaitUntilListening(port, *web_, "nginx");
  }
}

FeedServers::~FeedServers() = default;

void FeedServers::Put(const std::string& name, const std::string& content) const {
  // Written beside and renamed, so that the server never serves half a file.
  const std::string path = dir_.Path() + "/www/" + name;
  std::ofstream(path + ".part", std::ios::binary) << content;
  std::filesystem::rename(path + ".part", path);
}

std::string FeedServers::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(web_port_) + path;
}

std::string FeedServers::SecureUrl(const std::string& path, Secure which) const {
  return "https://127.0.0.1:" + std::to_string(SecurePort(which)) + path;
}

std::string FeedServers::WebLog() const {
  return ReadFile(dir_.Path() + "/access.log");
}

int FeedServers::CountInWebLog(const std::string& text) const {
  std::string log = WebLog();
  for (int i = 0; i < 40; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::string now = WebLog();
    if (now == log && !log.empty()) break;
    log = std::move(now);
  }
  int count = 0;
  for (size_t at = 0; (at = log.find(text, at)) != std::string::npos; at += text.size()) ++count;
  return count;
}

std::string FeedServers::ProxyLog() const {
  return ReadFile(dir_.Path() + "/tinyproxy.log");
}

}  // namespace lunvale::testing
