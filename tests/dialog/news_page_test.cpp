// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include <chrono>
#include <set>

#include "dialog_fixture.h"
#include "support/feed_servers.h"
#include "support/http_test_server.h"

namespace lunvale::dialog {
namespace {

using namespace std::chrono_literals;
using test::HttpTestServer;

constexpr char kFeed[] =
    "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel><title>Lake &amp; Shore News</title>"
    "<item><title>Gulls return</title></item></channel></rss>\n";

// A directory host answering as the service did: two categories, one with three channels.
HttpTestServer::Handler DirectoryHandler() {
  return [](HttpTestServer::Connection& c) {
    const std::string request = c.ReadRequest();
    std::string body = "<html>not found</html>";
    if (request.starts_with("GET /rssdir/category.php ")) {
      body =
          "<categories version=\"1\"><item><category>Local</category><id>7</id></item>"
          "<item><category>Quiet</category><id>9</id></item></categories>";
    } else if (request.starts_with("GET /rssdir/rsslist.php?category_id=7 ")) {
      body = "<rsslist id=\"7\">";
      for (const char* n : {"1", "2", "3"}) {
        body += std::string("<item><title>Channel ") + n + "</title><url>http://feeds.test/" + n +
                "</url></item>";
      }
      body += "</rsslist>";
    } else if (request.starts_with("GET /rssdir/rsslist.php?category_id=9 ")) {
      body = "<rsslist id=\"9\"></rsslist>";
    }
    c.Send(HttpTestServer::Reply(200, "OK", "", body));
  };
}

class NewsPageTest : public DialogTest {
 protected:
  TForm2& OpenOnNewsPage() {
    TForm2& f = Open();
    f.PageControl1->setCurrentIndex(2);
    return f;
  }
  static std::vector<std::string> Items(const QComboBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i) items.push_back(list->itemText(i).toStdString());
    return items;
  }
  static void Pick(QComboBox* list, int index) { list->setCurrentIndex(index); }
};

TEST_F(NewsPageTest, TitleAndDirectoryFromTheirHostsThenPicks) {
  HttpTestServer feed(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", kFeed)));
  HttpTestServer directory(DirectoryHandler());
  StoreDefaults();
  Text("RSS_Url", feed.Url("/feed.xml"));
  Text("DirectoryHost", "127.0.0.1:" + std::to_string(directory.Port()));
  TForm2& f = OpenOnNewsPage();
  NewsPage& page = *f.TabSheet3;
  EXPECT_EQ(page.StaticText3->text(), "Lake & Shore News");
  EXPECT_EQ(Items(page.ComboBox1Category), (std::vector<std::string>{"User Defined", "Local", "Quiet"}));
  EXPECT_EQ(page.ListBox1IdCategory, (std::vector<std::string>{"0", "7", "9"}));
  EXPECT_FALSE(f.directory_pending);

  Pick(page.ComboBox1Category, 1);
  f.ComboBox1CategoryChange();
  EXPECT_EQ(Items(page.ComboBox2TitleNews),
            (std::vector<std::string>{"Channel 1", "Channel 2", "Channel 3"}));
  EXPECT_EQ(page.ComboBox2TitleNews->currentIndex(), 0);
  EXPECT_EQ(page.StaticText3->text(), "Channel 1");
  EXPECT_EQ(f.feed_url, "http://feeds.test/1");
  Pick(page.ComboBox2TitleNews, 2);
  f.ComboBox2TitleNewsChange();
  EXPECT_EQ(page.UrlNews->text(), "http://feeds.test/3");
  EXPECT_EQ(f.feed_url, "http://feeds.test/3");

  // A category without channels empties the list and the title box; the address stays.
  Pick(page.ComboBox1Category, 2);
  f.ComboBox1CategoryChange();
  EXPECT_EQ(page.ComboBox2TitleNews->count(), 0);
  EXPECT_EQ(page.StaticText3->text(), "");
  EXPECT_EQ(f.feed_url, "http://feeds.test/3");
  Pick(page.ComboBox1Category, 0);
  f.ComboBox1CategoryChange();
  EXPECT_EQ(page.UrlNews->text(), "http://feeds.test/3");

  // Showing the page again asks nothing; a typed address is what OK stores.
  const size_t asked = feed.Requests().size() + directory.Requests().size();
  f.PageControl1->setCurrentIndex(0);
  f.PageControl1->setCurrentIndex(2);
  EXPECT_EQ(feed.Requests().size() + directory.Requests().size(), asked);
  page.UrlNews->setText("http://typed.test/rss");
  f.BTOKClick();
  EXPECT_EQ(Text("RSS_Url"), "http://typed.test/rss");
  EXPECT_TRUE(errors.empty());
}

TEST_F(NewsPageTest, WithoutNetworkTheListsWaitAndNothingIsReported) {
  StoreDefaults();
  Text("RSS_Url", "http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/feed.xml");
  Text("DirectoryHost", "127.0.0.1:" + std::to_string(test::ClosedPort()));
  TForm2& f = OpenOnNewsPage();
  NewsPage& page = *f.TabSheet3;
  EXPECT_EQ(page.StaticText3->text(), "Not Available");
  EXPECT_EQ(Items(page.ComboBox1Category), (std::vector<std::string>{"Please wait..."}));
  f.ComboBox1CategoryChange();
  EXPECT_EQ(page.ComboBox2TitleNews->count(), 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(NewsPageTest, BuiltInDirectoryOffersCurrentPublishersFeeds) {
  HttpTestServer feed(HttpTestServer::Serve(HttpTestServer::Reply(200, "OK", "", "<rss version=\"2.0\">")));
  StoreDefaults();
  Text("RSS_Url", feed.Url("/feed.xml"));
  TForm2& f = OpenOnNewsPage();
  NewsPage& page = *f.TabSheet3;
  EXPECT_EQ(page.StaticText3->text(), "") << "an rss document without a title";
  ASSERT_GE(page.ComboBox1Category->count(), 9);
  size_t channels = 0;
  std::set<std::string> first_hosts;  // every category opens with another publisher
  for (int i = 1; i < page.ComboBox1Category->count(); ++i) {
    Pick(page.ComboBox1Category, i);
    f.ComboBox1CategoryChange();
    EXPECT_GE(page.ComboBox2TitleNews->count(), 5) << page.ComboBox1Category->itemText(i).toStdString();
    for (const std::string& url : page.ListBox1NewsUrl) EXPECT_TRUE(url.starts_with("https://")) << url;
    channels += page.ListBox1NewsUrl.size();
    const std::string first = page.ListBox1NewsUrl.empty() ? "" : page.ListBox1NewsUrl.front();
    first_hosts.insert(first.substr(0, first.find('/', 8)));
  }
  EXPECT_GE(channels, 60u);
  EXPECT_EQ(first_hosts.size(), static_cast<size_t>(page.ComboBox1Category->count() - 1));
  EXPECT_EQ(feed.Requests().size(), 1u) << "the directory is not asked over the network";
}

// A proxy port that is not a number, or an empty feed address, is told once; the page stays usable.
TEST_F(NewsPageTest, UnaskableRequestsAreReportedOnceAndThePageCarriesOn) {
  StoreDefaults();
  Number("UseProxy", 1);
  Text("Proxy", "127.0.0.1");
  Text("Port", "abc");
  TForm2& f = OpenOnNewsPage();
  EXPECT_EQ(errors, (std::vector<std::string>{"'abc' is not a valid integer value"}));
  EXPECT_EQ(f.TabSheet3->StaticText3->text(), "Not Available");
  EXPECT_GE(f.TabSheet3->ComboBox1Category->count(), 9);
  f.PageControl1->setCurrentIndex(0);
  f.PageControl1->setCurrentIndex(2);
  EXPECT_EQ(errors.size(), 1u);

  errors.clear();
  Number("UseProxy", 0);
  Text("RSS_Url", "");
  TForm2& g = OpenOnNewsPage();
  EXPECT_EQ(errors, (std::vector<std::string>{"Empty URL"}));
  EXPECT_GE(g.TabSheet3->ComboBox1Category->count(), 9);
  EXPECT_FALSE(g.directory_pending);
}

// Through a real proxy (tinyproxy) to a real web server (nginx) for the feed and to a directory host.
TEST_F(NewsPageTest, TitleAndChannelsThroughTheProxy) {
  testing::FeedServers servers;
  servers.Put("feed.xml", kFeed);
  HttpTestServer directory(DirectoryHandler());
  StoreDefaults();
  Number("UseProxy", 1);
  Text("Proxy", "127.0.0.1");
  Text("Port", std::to_string(servers.ProxyPort()));
  Text("RSS_Url", servers.Url("/feed.xml"));
  Text("DirectoryHost", "127.0.0.1:" + std::to_string(directory.Port()));
  TForm2& f = OpenOnNewsPage();
  EXPECT_EQ(f.TabSheet3->StaticText3->text(), "Lake & Shore News");
  f.TabSheet3->ComboBox1Category->setCurrentIndex(1);
  f.ComboBox1CategoryChange();
  EXPECT_EQ(f.TabSheet3->ComboBox2TitleNews->count(), 3);
  EXPECT_EQ(servers.CountInWebLog("GET /feed.xml HTTP/1.0|"), 1) << servers.WebLog();
  EXPECT_NE(servers.WebLog().find("(tinyproxy/"), std::string::npos) << servers.WebLog();
  ASSERT_EQ(directory.Requests().size(), 2u);
  EXPECT_NE(directory.Requests()[1].find("tinyproxy"), std::string::npos) << directory.Requests()[1];
  EXPECT_TRUE(errors.empty());
}

TEST_F(NewsPageTest, TitleOfAnHttpsFeed) {
  testing::FeedServers servers(true);
  servers.Put("feed.xml", kFeed);
  testing::ScopedEnv store("SSL_CERT_FILE", servers.AuthorityFile());
  StoreDefaults();
  Text("RSS_Url", servers.SecureUrl("/feed.xml"));
  TForm2& f = OpenOnNewsPage();
  EXPECT_EQ(f.TabSheet3->StaticText3->text(), "Lake & Shore News");
  EXPECT_TRUE(errors.empty());
}

// The client's waits serve Qt's events: the dialog repaints and Cancel ends a download at once.
TEST_F(NewsPageTest, DownloadsKeepTheDialogServedAndCancelEndsThem) {
  HttpTestServer slow([](HttpTestServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.0 200 OK\r\n\r\n<rss ");
    if (c.Pause(1000ms)) c.Send("version=\"2.0\"><title>Late</title></rss>");
  });
  StoreDefaults();
  Text("RSS_Url", slow.Url("/feed.xml"));
  TForm2& f = Open();
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  f.PageControl1->setCurrentIndex(2);
  EXPECT_EQ(f.TabSheet3->StaticText3->text(), "Late");
  EXPECT_GE(ticks, 40) << "a 10 ms timer during a 1 s download";

  HttpTestServer stalled([](HttpTestServer::Connection& c) {
    c.ReadRequest();
    c.Pause(6000ms);
  });
  Text("RSS_Url", stalled.Url("/feed.xml"));
  TForm2& g = Open();
  g.show();
  QTimer::singleShot(200ms, [&] { QTest::mouseClick(g.BTCancel, Qt::LeftButton, {}, QPoint(30, 10)); });
  const auto start = std::chrono::steady_clock::now();
  g.PageControl1->setCurrentIndex(2);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
  EXPECT_FALSE(g.isVisible());
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace lunvale::dialog
