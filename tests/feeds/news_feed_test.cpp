// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "feeds/feed_readers.h"
#include "feeds/feed_text.h"
#include "support/scratch.h"

namespace lunvale::feeds {
namespace {

struct CorpusCase {
  const char* file;  // in fuzz/corpus/feed, shaped as publishers and blog engines shape their feeds
  std::string name, line;
  std::optional<std::string> link;
};

TEST(ReadNews, EveryFeedShapeShowsItsNameTitlesAndLink) {
  const std::vector<CorpusCase> cases = {
      {"rss2_cdata_entities.xml", "World News & Analysis",
       "Q&A: What the Smith & Wesson ruling means  ***  Storm Bert: flood warnings; rail lines closed  ***  "
       "AT&T and Verizon Bid for Spectrum; Regulators Wary  ***  It's \u201cOver,\u201d says coach \u2013 "
       "3\u20141 loss\u2026  ***  Bread & butter: <b>5</b> & more  ***  Paris Marathon 's 10 km \u20ac5  *** "
       " ",
       "https://news.example.com/world?utm_source=rss&utm_medium=feed"},
      {"rss1_rdf.xml", "Science Example Daily", "Comet seen over Chile  ***  Bees & wasps  ***  ",
       "https://science.example.org/"},
      {"atom.xml", "Jane's Blog",
       "Rust & C++: a comparison  ***  Release 2.0 is out  ***  Plain entry  ***  ",
       "https://blog.example.net/?from=atom&lang=en"},
      {"latin1.xml", "Le Monde \u00c9conomie", "Caf\u00e9 \u00e9t\u00e9 20\u00b0C \u00bb  ***  ",
       "http://www.example.fr/"},
      {"windows1251.xml", "Новости", "Привет & мир  ***  Вторая  ***  ", "http://example.ru/"},
      {"shift_jis.xml", "日本", "ニュース  ***  ", "http://example.jp/"},
      {"link_before_title.xml", "Link First News", "First story  ***  Second story  ***  ",
       "https://www.example.com/"},
      {"no_channel_link.xml", "No Link", "Only story  ***  ", std::nullopt},
      // Bad numbers show a stand-in, unknown names and bare "&" stay, controls become blanks, markup
      // goes, a nested item is no item and an open CDATA section ends the document.
      {"hostile.xml", "Hostile \ufffd \ufffd \ufffd &bogus; feed",
       "Tab and newline   bell \u2026end  ***  Fish & chips; 50% off &amp c &#38;  ***  Shown  ***  Outer  "
       "***  ",
       "file:///usr/share/applications/xterm.desktop"},
      {"news", "World &amp; news", "It's &#39;on'  ***  Tabs and  breaks <b>  ***  ",
       "http://news.example/world"},
  };
  for (const CorpusCase& c : cases) {
    SCOPED_TRACE(c.file);
    const NewsReading r =
        ReadNews(testing::ReadFile(LUNVALE_SOURCE_DIR "/fuzz/corpus/feed/" + std::string(c.file)));
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.name, c.name);
    EXPECT_EQ(r.line, std::string(kNewsSeparator) + c.line);
    EXPECT_EQ(r.link, c.link);
  }
  // A relative link comes with the xml:base values it stands under, the feed's and then its own.
  const NewsReading based =
      ReadNews(testing::ReadFile(LUNVALE_SOURCE_DIR "/fuzz/corpus/feed/atom_xml_base.xml"));
  EXPECT_EQ(based.line, std::string(kNewsSeparator) + "Ice on the reeds" + std::string(kNewsSeparator));
  EXPECT_EQ(based.link, "./?ref=atom");
  EXPECT_EQ(based.link_bases, (std::vector<std::string>{"https://www.example.org/journal/", "/en/"}));
  for (const char* other : {"<html><title>x</title></html>", "<?xml version=\"1.0\"?><opml/>", "", "<"})
    EXPECT_FALSE(ReadNews(other).accepted) << other;
}

TEST(FeedText, ReferencesAreDecodedOnceAndLinesStayOneLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"&amp;lt; &lt; &#60; &#x3C; &#X3c;", "&lt; < < < <"},
      {"&AMP; &Amp; &notin; &not &copy &#; &#x; &#12a;", "& &Amp; \u2209 &not &copy &#; &#x; &#12a;"},
      {"&#x1F600; &#55296; &#1114112; &#0000000065;", "\U0001F600 \ufffd \ufffd A"},
      {"&#150; &#129;", "\u2013 \u0081"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(DecodeReferences(in), out) << in;
  // Latin-1 bytes and a UTF-8 text with a stray byte both come out as UTF-8.
  EXPECT_EQ(FeedBytesToUtf8("caf\xE9 \xC3\xA9t\xE9 \x80 \xE2\x82"),
            "caf\u00e9 \u00e9t\u00e9 \u20ac \u00e2\u201a");
  // A declared encoding is converted from, unless the bytes are UTF-8 anyway or the system knows no such
  // encoding; what it cannot convert becomes U+FFFD.
  const std::string decl = "<?xml version='1.0' encoding=";
  const std::vector<std::pair<std::string, std::string>> encoded = {
      {decl + "'KOI8-R' ?>\xF0\xD2\xC9", decl + "'KOI8-R' ?>При"},
      {decl + "'Shift_JIS'?>\x93\xfa\x96\x7b\x82", decl + "'Shift_JIS'?>日本�"},
      {decl + "'windows-1251'?>П", decl + "'windows-1251'?>П"},
      {decl + "'no-such-set'?>\xE9", decl + "'no-such-set'?>é"},
      {decl + "'UTF-16'?>\xE9", decl + "'UTF-16'?>é"},
      {std::string("\xFF\xFE<\0a\0\x1f\x04", 8), "<aП"},
  };
  for (const auto& [in, out] : encoded) EXPECT_EQ(FeedBytesToUtf8(in), out) << in;
  EXPECT_EQ(TextContent("a<b c='>'>b</b><!-- c -->c<![CDATA[ <d>&amp;]]>"), "abc <d>&");
  EXPECT_EQ(OneLine("a\tb\x7f"
                    "c\u0085d\u00a0e\u2019f\u00e9"),
            "a b c d e'f\u00e9");
}

}  // namespace
}  // namespace lunvale::feeds
