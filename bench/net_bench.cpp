// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <string>

#include "net/http_client.h"
#include "support/feed_servers.h"

namespace {

using lunvale::net::THTTPClient;
using lunvale::testing::FeedServers;

// One whole GET of a 20 kB feed from the feeds' web server on 127.0.0.1, each with its own
// connection as HTTP/1.0 asks: plain, over TLS (handshake and certificate check included), and over
// TLS through the proxy's tunnel.
void Fetch(benchmark::State& state, bool secure, bool proxied) {
  FeedServers servers(true);
  servers.Put("feed.xml", std::string(20000, 'x'));
  lunvale::testing::ScopedEnv store("SSL_CERT_FILE", servers.AuthorityFile());
  THTTPClient client;
  client.SetSecureAllowed(true);
  client.SetTimeOut(5000);
  if (proxied) {
    client.SetProxy("127.0.0.1");
    client.SetProxyPort(servers.ProxyPort());
  }
  const std::string url = secure ? servers.SecureUrl("/feed.xml") : servers.Url("/feed.xml");
  for (auto _ : state) {
    client.Get(url);
    benchmark::DoNotOptimize(client.GetBody().size());
  }
}

void BM_HttpGet(benchmark::State& state) {
  Fetch(state, false, false);
}
void BM_HttpsGet(benchmark::State& state) {
  Fetch(state, true, false);
}
void BM_HttpsGetThroughProxy(benchmark::State& state) {
  Fetch(state, true, true);
}
BENCHMARK(BM_HttpGet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HttpsGet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HttpsGetThroughProxy)->Unit(benchmark::kMillisecond);

}  // namespace
