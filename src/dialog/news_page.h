// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "net/http_client.h"

namespace lunvale::dialog {

// The "RSS News" page: the feed address typed in or picked from the channel directory, and the
// current feed's title. Its requests run on the dialog's own HTTP client, on the main thread; the
// client keeps the dialog served while it waits, so the page guards against being re-entered.
class NewsPage : public QWidget {
 public:
  // What the page works on; all of it belongs to the dialog.
  struct Context {
    std::string& feed_url;
    const std::string& proxy_host;  // as loaded; the proxy page's edits are not used here
    const std::string& proxy_port;
    bool& directory_pending;
    std::function<bool()> use_proxy;  // "Use HTTP Proxy" as it is ticked at the moment of loading
    net::THTTPClient& client;
    // Where the directory requests go: "host" or "host:port"; empty asks the built-in directory.
    const std::string& directory_host;
    // The application's error report, for what the page cannot carry on from.
    std::function<void(std::string_view message)> report_error;
  };

  NewsPage(Context context, QWidget* parent = nullptr);

  void TabSheet3Show();
  void ComboBox1CategoryChange();
  void ComboBox2TitleNewsChange();
  void UrlNewsChange();

  // Ends a request in progress and makes none afterwards: the dialog is closing.
  void Stop();
  bool Busy() const { return busy_; }

  QLabel* Label17;
  QLabel* Label18;
  QLabel* StaticText3;  // the title box
  QLabel* Label19;
  QLineEdit* UrlNews;
  QLabel* Label20;
  QComboBox* ComboBox1Category;
  QLabel* Label21;
  QComboBox* ComboBox2TitleNews;
  QLabel* StaticText4;
  // The invisible lists parallel to the two drop-down lists.
  std::vector<std::string> ListBox1IdCategory;
  std::vector<std::string> ListBox1NewsUrl;

 private:
  void LoadDirectory();
  // The answer to a directory request: from the directory host, or built in.
  std::string DirectoryRequest(const std::string& path_and_query);
  // The body of a GET of `url` on the dialog's client.
  std::string Fetch(const std::string& url);
  void SetTitle(std::string_view bytes);
  // Sets the URL field as code does: UrlNewsChange follows.
  void SetUrlText(const std::string& bytes);
  // Fills a drop-down list without raising its change handler.
  static void SetItems(QComboBox* list, const std::vector<std::string>& items);

  Context context_;
  bool busy_ = false;
  bool stopped_ = false;
  // Why the page makes no network requests (a proxy port that is not a number), or empty.
  std::string network_blocked_;
  // The bytes the URL field was last set from.
  std::string url_bytes_;
};

}  // namespace lunvale::dialog
