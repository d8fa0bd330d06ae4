// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "feeds/feed_readers.h"

namespace {

using lunvale::feeds::ReadNews;

// A news feed of about `bytes` bytes in items of about 420 bytes (5,000 in 2 MB), with the entities,
// CDATA and quotation marks real feeds carry.
std::string BigFeed(size_t bytes) {
  std::string feed =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>\n"
      "<title>World &amp;amp; Lake News</title><link>http://news.test/world</link>\n"
      "<description>Every story of the day</description>\n";
  for (int n = 0; feed.size() < bytes; ++n) {
    const std::string id = std::to_string(n);
    feed += "<item><title><![CDATA[Storm " + id +
            " closes coastal roads &amp;amp; rivers rise]]></title>"
            "<link>http://news.test/story/" +
            id + "?ref=rss&amp;src=world</link><guid isPermaLink=\"false\">story-" + id +
            "</guid><pubDate>Mon, 07 Dec 2026 12:00:00 GMT</pubDate><description>Forecasters "
            "said the water would keep rising through the night &#039;at least&#039; until the "
            "wind turns; people were told to keep off the shore.</description></item>\n";
  }
  return feed + "</channel></rss>\n";
}

// The whole extraction a refresh runs on a downloaded feed: the walk over its tags, the name, the
// link and every item's title, each decoded once.
void FetchNews(benchmark::State& state, size_t megabytes) {
  const std::string feed = BigFeed(megabytes * 1024 * 1024);
  for (auto _ : state) benchmark::DoNotOptimize(ReadNews(feed));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * feed.size()));
}

void BM_FetchNews2MB(benchmark::State& state) {
  FetchNews(state, 2);
}
void BM_FetchNews8MB(benchmark::State& state) {
  FetchNews(state, 8);
}
void BM_FetchNews16MB(benchmark::State& state) {
  FetchNews(state, 16);
}
BENCHMARK(BM_FetchNews2MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchNews8MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchNews16MB)->Unit(benchmark::kMillisecond);

}  // namespace
