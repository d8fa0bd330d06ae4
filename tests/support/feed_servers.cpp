// SPDX-License-Identifier: MIT
#include "support/feed_servers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "support/http_test_server.h"

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

struct Issued {
  std::unique_ptr<X509, decltype(&X509_free)> cert{nullptr, X509_free};
  std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key{nullptr, EVP_PKEY_free};
};

// A new key and a certificate for it, written to <path>.pem and <path>.key: for the names in
// `alt_names` (none: the test authority itself), valid from `from_s` to `until_s` seconds from now,
// signed by `issuer` (null: by its own key).
Issued Issue(const std::string& path, const std::string& alt_names, long from_s, long until_s,
             const Issued* issuer) {
  static long serial = 1;
  Issued made;
  made.key.reset(EVP_EC_gen("P-256"));
  made.cert.reset(X509_new());
  if (!made.key || !made.cert) throw std::runtime_error("test authority: no key");
  X509* cert = made.cert.get();
  X509_set_version(cert, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(cert), serial++);
  X509_gmtime_adj(X509_getm_notBefore(cert), from_s);
  X509_gmtime_adj(X509_getm_notAfter(cert), until_s);
  X509_set_pubkey(cert, made.key.get());
  const std::string name = alt_names.empty() ? "Lunvale Test Authority" : "Lunvale test server";
  X509_NAME_add_entry_by_txt(X509_get_subject_name(cert), "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>(name.c_str()), -1, -1, 0);
  X509* signer = issuer ? issuer->cert.get() : cert;
  X509_set_issuer_name(cert, X509_get_subject_name(signer));
  X509V3_CTX context;
  X509V3_set_ctx_nodb(&context);
  X509V3_set_ctx(&context, signer, cert, nullptr, nullptr, 0);
  const std::vector<std::pair<int, std::string>> extensions =
      alt_names.empty()
          ? std::vector<std::pair<int, std::string>>{{NID_basic_constraints, "critical,CA:TRUE"},
                                                     {NID_key_usage, "critical,keyCertSign"}}
          : std::vector<std::pair<int, std::string>>{{NID_basic_constraints, "CA:FALSE"},
                                                     {NID_subject_alt_name, alt_names},
                                                     {NID_ext_key_usage, "serverAuth"}};
  for (const auto& [nid, value] : extensions) {
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
    if (extension == nullptr) throw std::runtime_error("test authority: bad extension " + value);
    X509_add_ext(cert, extension, -1);
    X509_EXTENSION_free(extension);
  }
  X509_sign(cert, issuer ? issuer->key.get() : made.key.get(), EVP_sha256());
  FILE* file = std::fopen((path + ".pem").c_str(), "w");
  PEM_write_X509(file, cert);
  std::fclose(file);
  file = std::fopen((path + ".key").c_str(), "w");
  PEM_write_PrivateKey(file, made.key.get(), nullptr, nullptr, 0, nullptr, nullptr);
  std::fclose(file);
  return made;
}

}  // namespace

FeedServers::FeedServers(bool secure) {
  const std::string dir = dir_.Path();
  std::filesystem::create_directories(dir + "/www");
  const std::string servers = std::string(LUNVALE_SOURCE_DIR) + "/tests/support/servers/";
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
    const Issued authority = Issue(dir + "/authority", "", -3600, 86400, nullptr);
    Issue(dir + "/good", "IP:127.0.0.1,DNS:feeds.lunvale.test", -3600, 86400, &authority);
    Issue(dir + "/expired", "IP:127.0.0.1", -7200, -3600, &authority);
    Issue(dir + "/self-signed", "IP:127.0.0.1", -3600, 86400, nullptr);
    const char* const stems[] = {"good", "expired", "self-signed"};
    for (int i = 0; i < 3; ++i) {
      secure_ports_[i] = free_port();
      const std::string server =
          Fill(ReadFile(servers + "nginx-secure.conf.in"), "@PORT@", std::to_string(secure_ports_[i]));
      secure_servers += Fill(server, "@CERT@", dir + "/" + stems[i]);
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
