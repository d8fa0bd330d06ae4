// SPDX-License-Identifier: MIT
#include "feeds/marker_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace lunvale::feeds {
namespace {

using namespace std::string_literals;

constexpr char kPrevious[] = "previous";  // what a caller's variable held before the call

bool HasControlByte(const std::string& s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) < 32) return true;
  }
  return false;
}

struct CutCase {
  const char* what;
  std::string source, open, close;
  bool ok;
  std::string found, rest;
};

TEST(ExtractTag, CutsBetweenMarkersAndReportsFinWhenOneIsMissing) {
  const std::vector<CutCase> cases = {
      {"rest starts one byte into the closing marker", "[b]x[/b]y", "[b]", "[/b]", true, "x", "/b]y"},
      {"first pair wins", "<t>a</t><t>b</t>", "<t>", "</t>", true, "a", "/t><t>b</t>"},
      {"empty element", "<t></t>", "<t>", "</t>", true, "", "/t>"},
      {"one-byte closing marker is passed whole", "k=\"v\"tail", "k=\"", "\"", true, "v", "tail"},
      {"closing marker searched only after the opening one", "x;<a>y;z", "<a>", ";", true, "y", "z"},
      {"closing marker may start inside the opening one's tail", "<a>>b", "<a", ">", true, "", ">b"},
      {"document type test", "<?xml version=\"1.0\"?><rss>", "<?", " ", true, "xml",
       "version=\"1.0\"?><rss>"},
      {"BEGIN and END drop the last byte", "hello", "BEGIN", "END", true, "hell", ""},
      {"BEGIN and END on one byte", "x", "BEGIN", "END", true, "", ""},
      {"BEGIN with a closing marker", "ab;cd", "BEGIN", ";", true, "ab", "cd"},
      {"END after an opening marker", "<?xml", "<?", "END", true, "xm", ""},
      {"BEGIN and END are case-sensitive words", "beginXend", "begin", "end", true, "X", "nd"},
      {"bytes pass unchanged, NULs included", "a\0<t>\xff\0\x7f</t>"s, "<t>", "</t>", true, "\xff\0\x7f"s,
       "/t>"},
      {"opening marker missing", "abc", "<t>", "</t>", false, kPrevious, "FIN"},
      {"markers are case-sensitive", "<TITLE>a</TITLE>", "<title>", "</title>", false, kPrevious, "FIN"},
      {"closing marker only before the opening one", "</t>x<t>y", "<t>", "</t>", false, kPrevious, "FIN"},
      {"opening marker at the very end", "abc<t>", "<t>", "</t>", false, kPrevious, "FIN"},
      {"opening marker at the very end, END", "abc<t>", "<t>", "END", false, kPrevious, "FIN"},
      {"BEGIN and END on an empty text", "", "BEGIN", "END", false, kPrevious, "FIN"},
      {"empty source", "", "<t>", "</t>", false, kPrevious, "FIN"},
      {"marker longer than the source", "ab", "abc", "c", false, kPrevious, "FIN"},
      {"empty opening marker never occurs", "abc", "", "c", false, kPrevious, "FIN"},
      {"empty closing marker never occurs", "abc", "a", "", false, kPrevious, "FIN"},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string found = kPrevious;
    std::string rest = "old rest";
    EXPECT_EQ(ExtractTag(c.source, c.open, c.close, rest, found), c.ok);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(rest, c.rest);
  }
}

TEST(ExtractTag, SourceMayBeTheRestOrTheFoundVariable) {
  std::string d = "<i>1</i><i>2</i>";
  std::string found;
  ASSERT_TRUE(ExtractTag(d, "<i>", "</i>", d, found));
  EXPECT_EQ(found, "1");
  EXPECT_EQ(d, "/i><i>2</i>");

  std::string f = "<a>inner</a>";
  std::string rest;
  ASSERT_TRUE(ExtractTag(f, "<a>", "</a>", rest, f));
  EXPECT_EQ(f, "inner");
  EXPECT_EQ(rest, "/a>");

  ASSERT_FALSE(ExtractTag(d, "<none>", "</none>", d, found));
  EXPECT_EQ(d, "FIN");
  EXPECT_EQ(found, "1");
}

struct EntityCase {
  const char* what;
  std::string source, open, close;
  bool ok;
  std::string before, name, rest;
};

TEST(NextEntity, SplitsAroundTheFirstEntityAndHandsBackTheSourceOnFailure) {
  const std::vector<EntityCase> cases = {
      {"plain entity", "a &lt; b", "&", ";", true, "a ", "lt", " b"},
      {"empty name", "&;", "&", ";", true, "", "", ""},
      {"name runs to the first semicolon", "AT&T; more;", "&", ";", true, "AT", "T", " more;"},
      {"rest follows a longer closing marker", "a<<n>>b", "<<", ">>", true, "a", "n", "b"},
      {"BEGIN leaves nothing before", "ab;c", "BEGIN", ";", true, "", "ab", "c"},
      {"END drops the last byte", "x&abc", "&", "END", true, "x", "ab", ""},
      {"no opening marker", "no amp", "&", ";", false, "before0", "name0", "no amp"},
      {"semicolon only ahead of the ampersand", ";&a", "&", ";", false, ";", "name0", ";&a"},
      {"ampersand at the very end", "x & y&", "&", ";", false, "x ", "name0", "x & y&"},
      {"empty marker never occurs", "a&b;c", "", ";", false, "before0", "name0", "a&b;c"},
  };
  for (const EntityCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string before = "before0", name = "name0", rest = "rest0";
    EXPECT_EQ(NextEntity(c.source, c.open, c.close, before, name, rest), c.ok);
    EXPECT_EQ(before, c.before);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(rest, c.rest);
  }
}

TEST(NextEntity, SourceMayBeTheRestVariable) {
  std::string r = "x&gt;y&amp;z", before, name;
  std::vector<std::string> names;
  while (NextEntity(r, "&", ";", before, name, r)) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"gt", "amp"}));
  EXPECT_EQ(r, "z");
}

struct TextCase {
  const char* what;
  std::string in, out;
};

TEST(CleanMarkup, ReplacesQuotesAndDropsCdataBracketsInOrder) {
  const std::vector<TextCase> cases = {
      {"UTF-8 right single quotation mark", "It\xE2\x80\x99s", "It's"},
      {"escaped numeric apostrophe", "Rock &amp;#39;n&amp;#39; roll", "Rock 'n' roll"},
      {"CDATA brackets", "<![CDATA[News & more]]>", "News & more"},
      {"other quotation marks stay", "\xE2\x80\x98q\xE2\x80\x9C", "\xE2\x80\x98q\xE2\x80\x9C"},
      {"a cut-off quotation mark stays", "end\xE2\x80", "end\xE2\x80"},
      {"plain entities are left for the decoder", "&#39; &amp; &amp;#39", "&#39; &amp; &amp;#39"},
      {"case-sensitive", "<![cdata[x]]&gt;", "<![cdata[x]]&gt;"},
      {"a removal does not rescan what it joined", "<![CDA<![CDATA[TA[x", "<![CDATA[x"},
      {"brackets joined by the CDATA pass go in the next pass", "]]<![CDATA[>", ""},
      {"other bytes pass unchanged", "\0\x01\xB0\xFF"s, "\0\x01\xB0\xFF"s},
      {"empty", "", ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CleanMarkup(c.in), c.out);
  }
}

TEST(DecodeEntities, ReplacesTheTableEntitiesOnly) {
  const std::vector<TextCase> cases = {
      {"less-than", "a &lt; b", "a < b"},
      {"the whole table", "&quot;&amp;&#039;&apos;&lt;&gt;&#36;&#39;&#038;", "\"&''<>$'&"},
      {"names are case-sensitive and dropped when unknown", "[&LT;][&Amp;][&#x27;]", "[][][]"},
      {"everything up to the semicolon is the name", "AT&T; more", "AT more"},
      {"a second ampersand is part of the name", "&&lt;x", "x"},
      {"an unknown name does not repeat the last replacement", "&lt;&foo;&gt;&bar;", "<>"},
      {"an unknown name first", "&foo;&lt;", "<"},
      {"replacements are not scanned again", "&amp;lt;", "&lt;"},
      {"no semicolon after the ampersand", "a & b", "a & b"},
      {"semicolon only before the ampersand", "x;y & z", "x;y & z"},
      {"decoding stops at the first unclosed ampersand", "&lt;&gt", "<&gt"},
      {"lone markers", "&", "&"},
      {"empty name", "a&;b", "ab"},
      {"empty", "", ""},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeEntities(c.in), c.out);
  }
}

TEST(DecodeEntities, TurnsControlBytesIntoSpacesAndKeepsHighBytes) {
  const std::vector<TextCase> cases = {
      {"line feed and tab", "a\nb\tc", "a b c"},
      {"last byte", "end\n", "end "},
      {"first byte", "\tstart", " start"},
      {"line ends", "a\r\nb", "a  b"},
      {"NUL and unit separator", "\0x\x1F"s, " x "},
      {"after an unclosed ampersand", "a&b\n", "a&b "},
      {"after a replacement", "&lt;\n", "< "},
      {"inside an entity name, which is then unknown", "&l\nt;", ""},
      {"DEL is not a control byte here", "\x7F", "\x7F"},
      {"bytes from 128 up stay", "\xC3\xA9 \xB0 \x80\xFF", "\xC3\xA9 \xB0 \x80\xFF"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DecodeEntities(c.in), c.out);
  }
}

TEST(MarkerText, EveryApostropheSpellingComesOutPlain) {
  const std::string in =
      "1&#039;2&#39;3&apos;4\xE2\x80\x99"
      "5&amp;#39;6";
  EXPECT_EQ(DecodeEntities(CleanMarkup(in)), "1'2'3'4'5'6");
}

// The news feed is read as the fetcher does: document test, channel title and link, then the item
// titles until no complete item is left, cleaned once and decoded twice.
TEST(MarkerText, ReadsANewsFeed) {
  const std::string body =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rss version=\"2.0\">\n<channel>\n"
      "  <title>World &amp; Nation</title>\n  <link>http://news.example/?a=1&amp;b=2</link>\n"
      "  <item>\n    <title><![CDATA[Storm hits coast]]></title>\n    <link>http://x/1</link>\n"
      "  </item>\n  <item><title>Markets &amp;amp; rates: it\xE2\x80\x99s &lt;up&gt;</title></item>\n"
      "  <item><title>Caf\xC3\xA9 opens\tdowntown</title></item>\n"
      "  <item><title>cut off";
  std::string d = body, doc_type, name, link, item, title, ignored;
  ExtractTag(d, "<?", " ", ignored, doc_type);
  ASSERT_EQ(doc_type, "xml");
  ExtractTag(d, "<title>", "</title>", d, name);
  ExtractTag(d, "<link>", "</link>", d, link);
  link = CleanMarkup(link);
  EXPECT_EQ(DecodeEntities(CleanMarkup(name)), "World & Nation");
  EXPECT_EQ(link, "http://news.example/?a=1&amp;b=2");

  std::string ticker;
  int items = 0;
  for (;;) {
    ExtractTag(d, "<item>", "</item>", d, item);
    if (d == kFin) break;
    ExtractTag(item, "<title>", "</title>", ignored, title);
    ticker += title + "  ***  ";
    ++items;
  }
  EXPECT_EQ(items, 3);
  ticker = DecodeEntities(DecodeEntities(CleanMarkup(ticker)));
  EXPECT_EQ(ticker,
            "Storm hits coast  ***  Markets & rates: it's <up>  ***  Caf\xC3\xA9 opens downtown  ***  ");
}

TEST(MarkerText, ReadsWeatherAttributes) {
  std::string d =
      "<?xml version=\"1.0\"?><rss><channel>"
      "<wx:condition  text=\"Partly Cloudy\"  code=\"30\"  temp=\"54\" />"
      "<wx:forecast day=\"Mon\" low=\"40\" high=\"58\" code=\"32\" />"
      "<wx:forecast day=\"Tue\" low=\"-3\" high=\"7\" code=\"11\" />";
  std::string a, f, code, low, high = "unset", rest;
  ASSERT_TRUE(ExtractTag(d, "<wx:condition", "/>", d, a));
  ExtractTag(a, "code=\"", "\"", rest, code);
  EXPECT_EQ(code, "30");
  ExtractTag(d, "<wx:forecast", "/>", d, f);
  ExtractTag(d, "<wx:forecast", "/>", d, f);
  ExtractTag(f, "code=\"", "\"", rest, code);
  ExtractTag(f, "low=\"", "\"", rest, low);
  EXPECT_EQ(code, "11");
  EXPECT_EQ(low, "-3");
  // An attribute that is absent leaves the caller's value alone.
  EXPECT_FALSE(ExtractTag(f, "humidity=\"", "\"", rest, high));
  EXPECT_EQ(high, "unset");
  EXPECT_EQ(rest, "FIN");
}

TEST(MarkerText, ReadsTheDirectoryCategories) {
  std::string d =
      "<categories count=\"2\"><item><category>Business &amp; Money</category><id>4</id></item>"
      "<item><category>Sport</category><id>12</id></item></categories>";
  std::string root, item, category, id, ignored;
  ExtractTag(d, "<", " ", ignored, root);
  EXPECT_EQ(root, "categories");
  std::vector<std::string> names, ids;
  for (;;) {
    ExtractTag(d, "<item>", "</item>", d, item);
    if (d == kFin) break;
    ExtractTag(item, "<category>", "</category>", ignored, category);
    ExtractTag(item, "<id>", "</id>", ignored, id);
    names.push_back(DecodeEntities(CleanMarkup(category)));
    ids.push_back(id);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Business & Money", "Sport"}));
  EXPECT_EQ(ids, (std::vector<std::string>{"4", "12"}));
}

// Feeds come from anywhere: large or malformed texts must stay linear and in bounds.
TEST(MarkerTextHostile, LargeTextsStayLinear) {
  const auto started = std::chrono::steady_clock::now();
  constexpr std::size_t kCount = 1 << 20;

  std::string many;
  for (std::size_t i = 0; i < kCount; ++i) many += "&lt;";
  EXPECT_EQ(DecodeEntities(many), std::string(kCount, '<'));

  std::string unknown;
  for (std::size_t i = 0; i < kCount; ++i) unknown += "&;";
  EXPECT_EQ(DecodeEntities(unknown), "");

  const std::string ampersands(4 * kCount, '&');
  EXPECT_EQ(DecodeEntities(ampersands), ampersands);
  EXPECT_EQ(DecodeEntities(ampersands + ";"), "");

  std::string cdata;
  for (std::size_t i = 0; i < kCount; ++i) cdata += "<![CDATA[]]>\xE2\x80\x99";
  EXPECT_EQ(CleanMarkup(cdata), std::string(kCount, '\''));

  const std::string open_at_end = std::string(4 * kCount, 'x') + "<item>";
  std::string found = kPrevious, rest;
  EXPECT_FALSE(ExtractTag(open_at_end, "<item>", "</item>", rest, found));
  EXPECT_FALSE(ExtractTag(open_at_end, "<item>", "END", rest, found));
  EXPECT_EQ(found, kPrevious);

  const std::string unclosed = "<item>" + std::string(4 * kCount, 'y');
  EXPECT_FALSE(ExtractTag(unclosed, "<item>", "</item>", rest, found));
  EXPECT_EQ(rest, "FIN");

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

TEST(MarkerTextHostile, MarkersAtTheEdgesStayInBounds) {
  std::string found = kPrevious, rest, before = "b", name = "n";
  for (const std::string s : {"", "&", ";", "&;", ";&", "<t>", "</t>", "<t></t>", "</t><t>"}) {
    SCOPED_TRACE(s);
    for (const std::string open : {"", "&", "<t>", "BEGIN"}) {
      for (const std::string close : {"", ";", "</t>", "END"}) {
        if (ExtractTag(s, open, close, rest, found)) {
          EXPECT_LT(found.size() + rest.size(), s.size());
        } else {
          EXPECT_EQ(rest, "FIN");
        }
        if (NextEntity(s, open, close, before, name, rest)) {
          EXPECT_LE(before.size() + name.size() + rest.size(), s.size());
        } else {
          EXPECT_EQ(rest, s);
        }
      }
    }
    EXPECT_EQ(DecodeEntities(s).size(), s == "&;" ? 0u : s.size());
    EXPECT_LE(CleanMarkup(s).size(), s.size());
  }
}

// Random bytes from an alphabet rich in marker bytes, cut with random markers; a fixed seed keeps
// any failure reproducible.
TEST(MarkerTextFuzz, RandomTextsAndMarkersGiveSaneResults) {
  std::mt19937 rng(20240611u);
  const std::string alphabet = "&;<>/[]!CDATA tiem#0a\n\t\r\0\x1F\xE2\x80\x99\xFF"s;
  const std::vector<std::string> fixed_markers = {"BEGIN", "END", "", "&", ";", "<t>", "</t>", "]]>"};
  auto random_text = [&](std::size_t max_length) {
    std::string s(rng() % (max_length + 1), ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
  };
  auto random_marker = [&] {
    return rng() % 2 ? fixed_markers[rng() % fixed_markers.size()] : random_text(3);
  };
  auto regular = [](const std::string& m) { return !m.empty() && m != "BEGIN" && m != "END"; };

  for (int round = 0; round < 20000; ++round) {
    const std::string s = random_text(48), open = random_marker(), close = random_marker();
    SCOPED_TRACE(testing::Message() << "round " << round);

    std::string found = kPrevious, rest;
    if (ExtractTag(s, open, close, rest, found)) {
      EXPECT_LT(found.size() + rest.size(), s.size());
      EXPECT_TRUE(s.ends_with(rest));
      EXPECT_NE(s.find(found), std::string::npos);
      if (regular(close)) {
        EXPECT_EQ(found.find(close), std::string::npos);
      }
    } else {
      EXPECT_EQ(found, kPrevious);
      EXPECT_EQ(rest, "FIN");
    }

    std::string before, name;
    if (NextEntity(s, open, close, before, name, rest)) {
      if (regular(open) && regular(close)) {
        EXPECT_EQ(before + open + name + close + rest, s);
      }
    } else {
      EXPECT_EQ(rest, s);
    }

    // A caller's item loop always ends: every successful cut leaves a shorter rest.
    std::string d = s, item;
    for (std::size_t steps = 0; ExtractTag(d, open, close, d, item); ++steps) {
      ASSERT_LE(steps, s.size());
    }

    const std::string decoded = DecodeEntities(s);
    EXPECT_LE(decoded.size(), s.size());
    EXPECT_FALSE(HasControlByte(decoded));
    EXPECT_LE(CleanMarkup(s).size(), s.size());
  }
}

}  // namespace
}  // namespace lunvale::feeds
