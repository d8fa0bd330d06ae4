// SPDX-License-Identifier: MIT
#include "dialog/news_directory.h"

#include "feeds/marker_text.h"

namespace lunvale::dialog {

namespace {

struct Channel {
  const char* title;
  const char* url;
};

struct Category {
  const char* id;
  const char* name;
  std::vector<Channel> channels;
};

// Publishers' own feed addresses. Titles and addresses are plain ASCII and free of markup, because
// the directory's texts are shown as they stand. Each category opens with another publisher, so that
// the first pick of every category is not the same source.
const std::vector<Category>& Directory() {
  static const std::vector<Category> directory = {
      {"1",
       "World News",
       {
           {"BBC News - World", "https://feeds.bbci.co.uk/news/world/rss.xml"},
           {"The Guardian - World news", "https://www.theguardian.com/world/rss"},
           {"The New York Times - World", "https://rss.nytimes.com/services/xml/rss/nyt/World.xml"},
           {"Al Jazeera - All news", "https://www.aljazeera.com/xml/rss/all.xml"},
           {"NPR - World", "https://feeds.npr.org/1004/rss.xml"},
           {"Sky News - World", "https://feeds.skynews.com/feeds/rss/world.xml"},
           {"France 24 - International news", "https://www.france24.com/en/rss"},
           {"Deutsche Welle - All news", "https://rss.dw.com/rdf/rss-en-all"},
           {"CBC News - World", "https://www.cbc.ca/webfeed/rss/rss-world"},
       }},
      {"2",
       "National News",
       {
           {"NPR - News", "https://feeds.npr.org/1001/rss.xml"},
           {"The New York Times - U.S.", "https://rss.nytimes.com/services/xml/rss/nyt/US.xml"},
           {"CBS News - Latest", "https://www.cbsnews.com/latest/rss/main"},
           {"BBC News - UK", "https://feeds.bbci.co.uk/news/uk/rss.xml"},
           {"Sky News - UK", "https://feeds.skynews.com/feeds/rss/uk.xml"},
           {"The Guardian - UK news", "https://www.theguardian.com/uk-news/rss"},
           {"CBC News - Canada", "https://www.cbc.ca/webfeed/rss/rss-canada"},
           {"ABC News (Australia) - Just In", "https://www.abc.net.au/news/feed/51120/rss.xml"},
       }},
      {"3",
       "Business",
       {
           {"The Wall Street Journal - Markets", "https://feeds.a.dj.com/rss/RSSMarketsMain.xml"},
           {"BBC News - Business", "https://feeds.bbci.co.uk/news/business/rss.xml"},
           {"The New York Times - Business", "https://rss.nytimes.com/services/xml/rss/nyt/Business.xml"},
           {"The Guardian - Business", "https://www.theguardian.com/uk/business/rss"},
           {"NPR - Business", "https://feeds.npr.org/1006/rss.xml"},
           {"Sky News - Business", "https://feeds.skynews.com/feeds/rss/business.xml"},
           {"CNBC - Top News",
            "https://search.cnbc.com/rs/search/combinedcms/view.xml?partnerId=wrss01&id=100003114"},
           {"The Economist - Finance and economics",
            "https://www.economist.com/finance-and-economics/rss.xml"},
       }},
      {"4",
       "Technology",
       {
           {"Ars Technica", "https://feeds.arstechnica.com/arstechnica/index"},
           {"BBC News - Technology", "https://feeds.bbci.co.uk/news/technology/rss.xml"},
           {"The Verge", "https://www.theverge.com/rss/index.xml"},
           {"Wired", "https://www.wired.com/feed/rss"},
           {"TechCrunch", "https://techcrunch.com/feed/"},
           {"The New York Times - Technology", "https://rss.nytimes.com/services/xml/rss/nyt/Technology.xml"},
           {"The Guardian - Technology", "https://www.theguardian.com/uk/technology/rss"},
           {"Engadget", "https://www.engadget.com/rss.xml"},
           {"Hacker News", "https://news.ycombinator.com/rss"},
       }},
      {"5",
       "Science",
       {
           {"ScienceDaily - All news", "https://www.sciencedaily.com/rss/all.xml"},
           {"BBC News - Science & Environment",
            "https://feeds.bbci.co.uk/news/science_and_environment/rss.xml"},
           {"The New York Times - Science", "https://rss.nytimes.com/services/xml/rss/nyt/Science.xml"},
           {"The Guardian - Science", "https://www.theguardian.com/science/rss"},
           {"NPR - Science", "https://feeds.npr.org/1007/rss.xml"},
           {"Nature", "https://www.nature.com/nature.rss"},
           {"New Scientist", "https://www.newscientist.com/feed/home/"},
           {"Phys.org", "https://phys.org/rss-feed/"},
       }},
      {"6",
       "Sports",
       {
           {"ESPN - Top headlines", "https://www.espn.com/espn/rss/news"},
           {"BBC Sport", "https://feeds.bbci.co.uk/sport/rss.xml"},
           {"BBC Sport - Football", "https://feeds.bbci.co.uk/sport/football/rss.xml"},
           {"The Guardian - Sport", "https://www.theguardian.com/uk/sport/rss"},
           {"The New York Times - Sports", "https://rss.nytimes.com/services/xml/rss/nyt/Sports.xml"},
           {"CBS Sports - Headlines", "https://www.cbssports.com/rss/headlines/"},
           {"Sky Sports - News", "https://www.skysports.com/rss/12040"},
       }},
      {"7",
       "Entertainment",
       {
           {"Variety", "https://variety.com/feed/"},
           {"BBC News - Entertainment & Arts",
            "https://feeds.bbci.co.uk/news/entertainment_and_arts/rss.xml"},
           {"The New York Times - Arts", "https://rss.nytimes.com/services/xml/rss/nyt/Arts.xml"},
           {"The Guardian - Culture", "https://www.theguardian.com/uk/culture/rss"},
           {"The Hollywood Reporter", "https://www.hollywoodreporter.com/feed/"},
           {"Deadline", "https://deadline.com/feed/"},
           {"Rolling Stone", "https://www.rollingstone.com/feed/"},
           {"Sky News - Entertainment", "https://feeds.skynews.com/feeds/rss/entertainment.xml"},
       }},
      {"8",
       "Health",
       {
           {"STAT News", "https://www.statnews.com/feed/"},
           {"BBC News - Health", "https://feeds.bbci.co.uk/news/health/rss.xml"},
           {"The New York Times - Health", "https://rss.nytimes.com/services/xml/rss/nyt/Health.xml"},
           {"NPR - Health", "https://feeds.npr.org/1128/rss.xml"},
           {"World Health Organization - News", "https://www.who.int/rss-feeds/news-english.xml"},
           {"ScienceDaily - Health & Medicine", "https://www.sciencedaily.com/rss/health_medicine.xml"},
       }},
  };
  return directory;
}

std::string CategoryAnswer() {
  std::string text = "<categories version=\"1.0\">\n";
  for (const Category& c : Directory()) {
    text += std::string("<item><category>") + c.name + "</category><id>" + c.id + "</id></item>\n";
  }
  return text + "</categories>\n";
}

std::string ChannelAnswer(std::string_view id) {
  std::string text = "<rsslist category_id=\"" + std::string(id) + "\">\n";
  for (const Category& c : Directory()) {
    if (id != c.id) continue;
    for (const Channel& channel : c.channels) {
      text +=
          std::string("<item><title>") + channel.title + "</title><url>" + channel.url + "</url></item>\n";
    }
  }
  return text + "</rsslist>\n";
}

}  // namespace

std::optional<std::string> BuiltInDirectoryAnswer(std::string_view path_and_query) {
  if (path_and_query == kCategoryListPath) return CategoryAnswer();
  const std::string_view list = kChannelListPath;
  if (path_and_query.substr(0, list.size()) == list) return ChannelAnswer(path_and_query.substr(list.size()));
  return std::nullopt;
}

std::vector<DirectoryEntry> ParseDirectoryAnswer(std::string_view answer, std::string_view root,
                                                 std::string_view first, std::string_view second) {
  std::vector<DirectoryEntry> entries;
  std::string found;
  std::string rest(answer);
  std::string ignored;
  feeds::ExtractTag(answer, "<", " ", ignored, found);
  if (found != root) return entries;
  const std::string first_open = "<" + std::string(first) + ">";
  const std::string first_close = "</" + std::string(first) + ">";
  const std::string second_open = "<" + std::string(second) + ">";
  const std::string second_close = "</" + std::string(second) + ">";
  std::string item;
  for (;;) {
    feeds::ExtractTag(rest, "<item>", "</item>", rest, item);
    if (rest == feeds::kFin) break;
    DirectoryEntry entry;
    feeds::ExtractTag(item, first_open, first_close, ignored, found);
    entry.first = found;
    feeds::ExtractTag(item, second_open, second_close, ignored, found);
    entry.second = found;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace lunvale::dialog
