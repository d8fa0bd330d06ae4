// SPDX-License-Identifier: MIT
#include "dialog/news_page.h"

#include <QCoreApplication>

#include "dialog/dialog_style.h"
#include "dialog/news_directory.h"
#include "dialog/qt_events.h"
#include "feeds/marker_text.h"
#include "platform/system/conversions.h"
#include "platform/text/code_page.h"

namespace lunvale::dialog {

namespace {

constexpr char kPleaseWait[] = "Please wait...";
constexpr char kNotAvailable[] = "Not Available";

QString Shown(std::string_view bytes) {
  return QString::fromStdString(platform::AnsiToUtf8(bytes));
}

// Busy for one scope: the lists wait, so that nothing the pump runs starts a second request.
class BusyScope {
 public:
  BusyScope(bool& busy, QWidget* a, QWidget* b) : busy_(busy), a_(a), b_(b) {
    busy_ = true;
    a_->setEnabled(false);
    b_->setEnabled(false);
  }
  ~BusyScope() {
    busy_ = false;
    a_->setEnabled(true);
    b_->setEnabled(true);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
  QWidget* a_;
  QWidget* b_;
};

}  // namespace

NewsPage::NewsPage(Context context, QWidget* parent) : QWidget(parent), context_(std::move(context)) {
  ServeQtEventsDuringWaits();
  const QFont text = VerdanaFont(13);
  Label17 = MakeLabel(this, "Setup RSS news channel:", {158, 30}, VerdanaFont(13, true), kTextColour);
  Label18 = MakeLabel(this, "Current Title of News:", {71, 57}, text);
  StaticText3 = MakeTextBox(this, "Not Available  ", {71, 72, 345, 30}, SansSerifFont(11, true), kFormColour);
  Label19 = MakeLabel(this, "URL News:", {71, 104}, text);
  UrlNews = new QLineEdit(this);
  UrlNews->setGeometry(71, 123, 345, 21);
  Label20 = MakeLabel(this, "Category:", {71, 156}, text);
  ComboBox1Category = MakePickList(this, {71, 174});
  Label21 = MakeLabel(this, "Title News:", {71, 208}, text);
  ComboBox2TitleNews = MakePickList(this, {71, 225});
  StaticText4 = MakeTextBox(this,
                            "NOTE: If you already have the URL of a RSS feed, you can  type it in the \"URL "
                            "News\" field. Or you can choose  any Title News from Category. Direct Internet "
                            "access is required.",
                            {70, 260, 347, 51}, SansSerifFont(11));

  // activated: the user's picks only (the same entry again included), never the handlers' own.
  connect(ComboBox1Category, &QComboBox::activated, this, [this] { ComboBox1CategoryChange(); });
  connect(ComboBox2TitleNews, &QComboBox::activated, this, [this] { ComboBox2TitleNewsChange(); });
  connect(UrlNews, &QLineEdit::textChanged, this, [this] { UrlNewsChange(); });
}

void NewsPage::SetTitle(std::string_view bytes) {
  StaticText3->setText(Shown(bytes));
}

void NewsPage::SetUrlText(const std::string& bytes) {
  url_bytes_ = bytes;
  const QString text = Shown(bytes);
  if (UrlNews->text() == text) {
    UrlNewsChange();
  } else {
    UrlNews->setText(text);
  }
  // Show the address from its start, as a freshly filled field does.
  UrlNews->setCursorPosition(0);
}

void NewsPage::SetItems(QComboBox* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(Shown(item));
  if (!items.empty()) list->setCurrentIndex(0);
}

void NewsPage::UrlNewsChange() {
  // The field shows bytes as text; untouched text keeps the bytes it was set from.
  const std::string typed = UrlNews->text().toStdString();
  context_.feed_url = platform::AnsiToUtf8(url_bytes_) == typed ? url_bytes_ : typed;
}

void NewsPage::Stop() {
  stopped_ = true;
  if (busy_) context_.client.Abort();
}

std::string NewsPage::Fetch(const std::string& url) {
  if (!network_blocked_.empty()) throw net::ESockError(network_blocked_);
  context_.client.Get(url);
  return context_.client.GetBody();
}

std::string NewsPage::DirectoryRequest(const std::string& path_and_query) {
  if (context_.directory_host.empty()) return BuiltInDirectoryAnswer(path_and_query).value_or("");
  return Fetch("http://" + context_.directory_host + path_and_query);
}

void NewsPage::TabSheet3Show() {
  SetUrlText(context_.feed_url);
  if (context_.directory_pending && !busy_ && !stopped_) {
    LoadDirectory();
    if (!stopped_) context_.directory_pending = false;
  }
}

void NewsPage::LoadDirectory() {
  BusyScope busy(busy_, ComboBox1Category, ComboBox2TitleNews);
  net::THTTPClient& client = context_.client;
  SetTitle(kPleaseWait);
  SetItems(ComboBox1Category, {kPleaseWait});

  client.SetTimeOut(5000);
  client.SetInputFileMode(false);
  client.SetOutputFileMode(false);
  client.SetReportLevel(2);
  client.SetSecureAllowed(true);
  if (context_.use_proxy()) {
    client.SetProxy(context_.proxy_host);
    try {
      client.SetProxyPort(platform::StrToInt(context_.proxy_port));
    } catch (const platform::EConvertError& e) {
      // Told once; the page goes on without the network rather than around the proxy.
      context_.report_error(e.what());
      network_blocked_ = std::string("Proxy port: ") + e.what();
    }
  }

  std::string title;
  try {
    const std::string document = Fetch(context_.feed_url);
    std::string declaration, first, ignored;
    feeds::ExtractTag(document, "<?", " ", ignored, declaration);
    feeds::ExtractTag(document, "<", " ", ignored, first);
    if (declaration == "xml" || first == "rss") {
      feeds::ExtractTag(document, "<title>", "</title>", ignored, title);
    } else {
      title = kNotAvailable;
    }
  } catch (const net::ESockError&) {
    title = kNotAvailable;
    client.Disconnect();
    client.Abort();
  } catch (const std::runtime_error& e) {
    // An address the client cannot ask (empty, a port that is not a number): told once, and
    // the directory is still offered.
    context_.report_error(e.what());
    title = kNotAvailable;
  }
  if (stopped_) return;
  SetTitle(feeds::DecodeEntities(feeds::CleanMarkup(title)));

  ListBox1IdCategory = {kUserDefinedId};
  // Lets the title show before the directory arrives.
  QCoreApplication::processEvents();
  if (stopped_) return;

  try {
    const std::string answer = DirectoryRequest(kCategoryListPath);
    std::vector<std::string> names = {"User Defined"};
    for (DirectoryEntry& entry : ParseDirectoryAnswer(answer, kCategoriesRoot, "category", "id")) {
      names.push_back(std::move(entry.first));
      ListBox1IdCategory.push_back(std::move(entry.second));
    }
    SetItems(ComboBox1Category, names);
  } catch (const net::ESockError&) {
    client.Disconnect();
    client.Abort();
  } catch (const std::runtime_error& e) {
    context_.report_error(e.what());
  }
}

void NewsPage::ComboBox1CategoryChange() {
  if (busy_ || stopped_) return;
  ComboBox2TitleNews->clear();
  ListBox1NewsUrl.clear();
  const int index = ComboBox1Category->currentIndex();
  const std::string id = index >= 0 && static_cast<size_t>(index) < ListBox1IdCategory.size()
                             ? ListBox1IdCategory[static_cast<size_t>(index)]
                             : kUserDefinedId;
  if (id != kUserDefinedId) {
    {
      BusyScope busy(busy_, ComboBox1Category, ComboBox2TitleNews);
      SetItems(ComboBox2TitleNews, {kPleaseWait});
      try {
        const std::string answer = DirectoryRequest(kChannelListPath + id);
        std::vector<std::string> titles;
        for (DirectoryEntry& entry : ParseDirectoryAnswer(answer, kChannelsRoot, "title", "url")) {
          titles.push_back(std::move(entry.first));
          ListBox1NewsUrl.push_back(std::move(entry.second));
        }
        SetItems(ComboBox2TitleNews, titles);
      } catch (const net::ESockError&) {
        context_.client.Disconnect();
        context_.client.Abort();
      } catch (const std::runtime_error& e) {
        context_.report_error(e.what());
      }
    }
    if (stopped_) return;
    const int selected = ComboBox2TitleNews->count() > 0 ? 0 : -1;
    ComboBox2TitleNews->setCurrentIndex(selected);
    StaticText3->setText(ComboBox2TitleNews->currentText());
    if (selected >= 0 && static_cast<size_t>(selected) < ListBox1NewsUrl.size()) {
      SetUrlText(ListBox1NewsUrl[static_cast<size_t>(selected)]);
    }
  }
  UrlNewsChange();
}

void NewsPage::ComboBox2TitleNewsChange() {
  if (busy_ || stopped_) return;
  const int index = ComboBox2TitleNews->currentIndex();
  StaticText3->setText(ComboBox2TitleNews->currentText());
  if (index >= 0 && static_cast<size_t>(index) < ListBox1NewsUrl.size()) {
    SetUrlText(ListBox1NewsUrl[static_cast<size_t>(index)]);
  }
  UrlNewsChange();
}

}  // namespace lunvale::dialog
