// SPDX-License-Identifier: MIT
#include "dialog/settings_dialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>

#include "controls/skin_picture.h"
#include "dialog/dialog_style.h"
#include "dialog/error_box.h"
#include "dialog/qt_events.h"
#include "platform/app/shell.h"
#include "platform/system/registry.h"
#include "platform/system/resources.h"
#include "platform/text/code_page.h"
#include "settings/settings_store.h"

namespace lunvale::dialog {

namespace {

// "More screensavers": the maker's catalogue is gone, so the desktop's own catalogue of screen savers.
constexpr char kCatalogueAddress[] = "https://packages.debian.org/search?keywords=screensaver";

constexpr int kWidth = 539;
constexpr int kHeight = 576;
// Room left around the dialog for the window manager's frame and title bar.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

constexpr char kKeysNote[] =
    "NOTES:  While screensaver is running, you can press:                                 - F2 - for "
    "obtaining the detailed information of news                        - F3 - for obtaining the detailed "
    "information of weather";

QString Shown(const std::string& bytes) {
  return QString::fromStdString(platform::AnsiToUtf8(bytes));
}

// An edit's text as bytes: unchanged text keeps the bytes it was loaded from.
std::string BytesOf(const QLineEdit* edit, const std::string& loaded) {
  const std::string text = edit->text().toStdString();
  return platform::AnsiToUtf8(loaded) == text ? loaded : text;
}

void Fill(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* text, QPoint position) {
  auto* box = new QCheckBox(QString::fromLatin1(text), parent);
  box->setFont(VerdanaFont(13));
  QPalette palette = box->palette();
  palette.setColor(QPalette::WindowText, kTextColour);
  box->setPalette(palette);
  box->adjustSize();
  box->move(position);
  return box;
}

QLineEdit* MakeEdit(QWidget* parent, QRect geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setFont(VerdanaFont(13));
  edit->setGeometry(geometry);
  return edit;
}

}  // namespace

template <typename F>
void TForm2::Guarded(F&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ReportError(e.what());
  }
}

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  ServeQtEventsDuringWaits();
  setObjectName("Form2");
  setWindowTitle("Screensaver Configuration");
  if (const auto icon = platform::FindResource("LunvaleIcon"))
    setWindowIcon(QIcon(QPixmap::fromImage(QImage::fromData(icon->data(), static_cast<int>(icon->size())))));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  Fill(this, kFormColour);
  setFont(VerdanaFont(13));
  content_ = new QWidget;
  content_->setFixedSize(kWidth, kHeight);
  Fill(content_, kFormColour);
  content_->setFont(VerdanaFont(13));

  open_address = [](const std::string& address) {
    platform::ShellExecuteA(0, "open", address.c_str(), nullptr, nullptr, platform::SW_SHOW);
  };

  BuildHeader();
  auto* area = new QWidget(content_);
  area->setGeometry(20, 155, 500, 373);
  PageControl1 = new QTabWidget(area);
  PageControl1->setGeometry(0, 0, 500, 373);
  PageControl1->setFont(VerdanaFont(13));
  BuildConfigurationPage();
  TabSheet2 = new WeatherPage(location_code, unit_letter);
  TabSheet2->open_address = [this](const std::string& address) { open_address(address); };
  news_ = TabSheet3 =
      new NewsPage(NewsPage::Context{feed_url, loaded_proxy_host, loaded_proxy_port, directory_pending,
                                     [this] { return CheckBox1Proxy->isChecked(); }, HTTPClient1,
                                     directory_host, [](std::string_view message) { ReportError(message); }},
                   nullptr);
  BuildProxyPage();
  for (QWidget* page :
       {TabSheet1, static_cast<QWidget*>(TabSheet2), static_cast<QWidget*>(TabSheet3), TabSheet4})
    Fill(page, kPageColour);
  PageControl1->addTab(TabSheet1, "Configuration");
  PageControl1->addTab(TabSheet2, "Weather");
  PageControl1->addTab(TabSheet3, "RSS News");
  PageControl1->addTab(TabSheet4, "Proxy");
  PageControl1->setCurrentIndex(0);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) { PageShown(index); });
  BuildButtons();
  PlaceContent(QGuiApplication::primaryScreen());
  SetTabOrder();
  FD_BRIGHT->setFocus();

  // "DirectoryHost" is not one of the twelve: read on its own, so that a bad value of it does not stop
  // the others; from a file that could not be read at all it is not read a second time.
  if (LoadSettings()) Guarded([this] { settings::ReadAKey(KeyPath(), "DirectoryHost", directory_host); });
}

TForm2::~TForm2() {
  news_->Stop();
}

void TForm2::BuildHeader() {
  auto* image1 = new QLabel(content_);
  image1->setPixmap(QPixmap::fromImage(controls::ResourceImage("Image1")));
  image1->setGeometry(-1, -1, 546, 90);
  Image1 = image1;
  Image2 = new QLabel(content_);
  Image2->setPixmap(
      QPixmap::fromImage(controls::WithAutoTransparentColour(controls::ResourceImage("Image2"))));
  Image2->setGeometry(336, 12, 183, 134);
  Label6 = MakeLabel(content_, "Lunvale Screensaver", {45, 101}, VerdanaFont(16, true), kHeaderTextColour);
  Label5 =
      MakeLabel(content_, "More screensavers", {48, 122}, VerdanaFont(11, false, true), kHeaderTextColour);
  Label5->setCursor(Qt::PointingHandCursor);
  Label5->installEventFilter(this);
}

void TForm2::BuildConfigurationPage() {
  TabSheet1 = new QWidget;
  const QFont text = VerdanaFont(13);
  pictures_[0] = controls::ResourceImage("FD_Ground");
  pictures_[1] = controls::ResourceImage("FD_Knob");
  Label1 = MakeLabel(TabSheet1, "Video Brightness:", {82, 16}, text);
  FD_BRIGHT = new controls::TQHFADER(TabSheet1);
  FD_BRIGHT->SetGround(&pictures_[0]);
  FD_BRIGHT->SetKnob(&pictures_[1]);
  FD_BRIGHT->move(200, 13);
  Label4 = MakeLabel(TabSheet1, "Max", {377, 36}, VerdanaFont(11), Qt::black);
  Label2 = MakeLabel(TabSheet1, "Sound Volume:", {98, 66}, text);
  FD_SOUND = new controls::TQHFADER(TabSheet1);
  FD_SOUND->SetGround(&pictures_[0]);
  FD_SOUND->SetKnob(&pictures_[1]);
  FD_SOUND->move(201, 61);
  Label3 = MakeLabel(TabSheet1, "Max", {377, 84}, VerdanaFont(11), Qt::black);

  GroupBox1 = new QGroupBox(" Gadgets ", TabSheet1);
  GroupBox1->setFont(text);
  QPalette title = GroupBox1->palette();
  title.setColor(QPalette::WindowText, kTextColour);
  GroupBox1->setPalette(title);
  GroupBox1->setGeometry(87, 103, 323, 223);
  CheckBox1transp = MakeCheckBox(GroupBox1, "Transparency of background", {15, 18});
  CheckBox2time = MakeCheckBox(GroupBox1, "Show Time", {86, 49});
  CheckBox2weather = MakeCheckBox(GroupBox1, "Show Weather Information", {86, 76});
  CheckBox2news = MakeCheckBox(GroupBox1, "Show News Channel", {86, 103});
  CheckBox1Proxy = MakeCheckBox(GroupBox1, "Use HTTP Proxy", {86, 129});
  StaticText2 = MakeTextBox(GroupBox1, kKeysNote, {7, 169, 306, 44}, SansSerifFont(11));
}

void TForm2::BuildProxyPage() {
  TabSheet4 = new QWidget;
  const QFont text = VerdanaFont(13);
  Label7 = MakeLabel(TabSheet4, "Setup HTTP Proxy:", {183, 107}, VerdanaFont(13, true));
  Label8 = MakeLabel(TabSheet4, "Proxy Server:", {81, 156}, text);
  Edit1ProxyServer = MakeEdit(TabSheet4, {176, 153, 239, 21});
  Label9 = MakeLabel(TabSheet4, "Port:", {138, 197}, text);
  Edit2Port = MakeEdit(TabSheet4, {176, 195, 46, 21});
}

void TForm2::BuildButtons() {
  pictures_[2] = controls::ResourceImage("BTCancel_Ground_on");
  pictures_[3] = controls::ResourceImage("BTCancel_Ground_off");
  pictures_[4] = controls::ResourceImage("BTOK_Ground_on");
  pictures_[5] = controls::ResourceImage("BTOK_Ground_off");
  BTCancel = new controls::TQorbutton(content_);
  BTCancel->SetGround_on(&pictures_[2]);
  BTCancel->SetGround_off(&pictures_[3]);
  BTCancel->move(20, 539);
  BTCancel->OnClick = [this](controls::TQorbutton*) { Guarded([this] { BTCancelClick(); }); };
  BTOK = new controls::TQorbutton(content_);
  BTOK->SetGround_on(&pictures_[4]);
  BTOK->SetGround_off(&pictures_[5]);
  BTOK->move(442, 539);
  BTOK->OnClick = [this](controls::TQorbutton*) { Ok(); };
}

void TForm2::SetTabOrder() {
  // Page by page as they read, top to bottom; Tab passes over the pages not shown. Then the buttons,
  // left to right as they stand.
  const std::vector<QWidget*> order{PageControl1,
                                    FD_BRIGHT,
                                    FD_SOUND,
                                    CheckBox1transp,
                                    CheckBox2time,
                                    CheckBox2weather,
                                    CheckBox2news,
                                    CheckBox1Proxy,
                                    TabSheet2->ComboBox1Country,
                                    TabSheet2->ComboBox1City,
                                    TabSheet2->ComboBox1Units,
                                    TabSheet3->UrlNews,
                                    TabSheet3->ComboBox1Category,
                                    TabSheet3->ComboBox2TitleNews,
                                    Edit1ProxyServer,
                                    Edit2Port,
                                    BTCancel,
                                    BTOK};
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

double TForm2::FitScale(QSize available) {
  const double across = static_cast<double>(available.width() - kFrameWidth) / kWidth;
  const double down = static_cast<double>(available.height() - kFrameHeight) / kHeight;
  return std::clamp(std::min(across, down), 0.25, 1.0);
}

void TForm2::PlaceContent(const QScreen* screen) {
  const double scale = screen != nullptr ? FitScale(screen->availableGeometry().size()) : 1.0;
  if (placed_ && scale == scale_) return;
  // The contents move between the dialog and a scene of their own: the control with the focus keeps it.
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && !content_->isAncestorOf(focus)) focus = nullptr;
  if (view_ != nullptr) {
    if (QGraphicsProxyWidget* proxy = content_->graphicsProxyWidget()) proxy->setWidget(nullptr);
    QGraphicsScene* scene = view_->scene();
    delete view_;
    delete scene;
    view_ = nullptr;
  }
  placed_ = true;
  scale_ = scale;
  if (scale_ >= 1.0) {
    content_->setParent(this);
    content_->move(0, 0);
    content_->show();
    setFixedSize(kWidth, kHeight);
  } else {
    // Too big for the screen (a desktop scaled to 200 %, a small screen): the same dialog drawn smaller,
    // text and pictures scaled smoothly, every control working as at full size.
    auto* scene = new QGraphicsScene(this);
    // Embedding gives the contents a hidden window of their own; it must not pass for the dialog's.
    content_->setParent(nullptr);
    content_->setWindowTitle("contents");
    scene->addWidget(content_);
    scene->setSceneRect(0, 0, kWidth, kHeight);
    view_ = new QGraphicsView(scene, this);
    view_->installEventFilter(this);
    view_->setFrameStyle(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view_->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    view_->setTransform(QTransform::fromScale(scale_, scale_));
    // Parts repainted at a fractional scale leave seams at their edges: the dialog is small, draw it whole.
    view_->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    const QSize size(static_cast<int>(std::floor(kWidth * scale_)),
                     static_cast<int>(std::floor(kHeight * scale_)));
    view_->setGeometry(QRect(QPoint(0, 0), size));
    view_->show();
    setFixedSize(size);
  }
  if (focus != nullptr) focus->setFocus();
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!follows_screen_ && windowHandle() != nullptr) {
    follows_screen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) { PlaceContent(screen); });
  }
  // Wherever it was put, the whole window stays within the screen's free area.
  if (const QScreen* screen = this->screen()) {
    const QRect free = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = std::clamp(frame.x(), free.left(), std::max(free.left(), free.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), free.top(), std::max(free.top(), free.bottom() + 1 - frame.height()));
    if (x != frame.x() || y != frame.y()) move(x, y);
  }
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  if (list_open_) {
    list_open_ = false;
    event->accept();
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const QWidget* focus = focusWidget();
  const bool multi_line = qobject_cast<const QTextEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus);
  if (enter && !multi_line && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    Ok();
    return;
  }
  QDialog::keyPressEvent(event);  // Escape: Cancel
}

bool TForm2::LoadSettings() {
  try {
    FormCreate();
    return true;
  } catch (const platform::ERegistryFileError& e) {
    if (OfferFreshStart(e, "Start from the default settings?")) {
      Guarded([this] { FormCreate(); });
      return true;
    }
    ShowDefaults();
  } catch (const std::exception& e) {
    ReportError(e.what());
    return true;
  }
  return false;
}

bool TForm2::OfferFreshStart(const platform::ERegistryFileError& error, const char* offer) {
  const std::string question = std::string("The settings file cannot be read:\n") + error.what() + "\n\n" +
                               offer +
                               " The unreadable file is kept beside it with \".bad-\" and the time "
                               "added to its name.";
  if (!AskQuestion(question)) return false;
  const auto& file = error.File();
  if (settings::SetAsideUnreadableFile(file).empty()) {
    ReportError("Cannot move " + file.string() + " aside");
    return false;
  }
  return true;
}

void TForm2::Ok() {
  try {
    BTOKClick();
  } catch (const platform::ERegistryFileError& e) {
    // The file broke, or was broken from the start and the user kept it: this OK may replace it.
    if (OfferFreshStart(e, "Save these settings in a new file?")) Guarded([this] { BTOKClick(); });
  } catch (const std::exception& e) {
    ReportError(e.what());
  }
}

std::string TForm2::KeyPath() const {
  return settings::KeyPath(brand_name, ss_name);
}

void TForm2::FormCreate() {
  brand_name = settings::kBrandName;
  ss_name = settings::kSSName;
  const std::string key = KeyPath();
  int32_t brightness = 0;
  if (settings::ReadRKey(key, "Brightness", brightness)) {
    int32_t value = 0;
    settings::ReadRKey(key, "SoundVolume", value);
    FD_BRIGHT->SetValue(brightness);
    FD_SOUND->SetValue(value);
    settings::ReadRKey(key, "ShowBlack", value);
    CheckBox1transp->setChecked(1 - static_cast<int64_t>(value) != 0);
    settings::ReadRKey(key, "ShowTime", value);
    CheckBox2time->setChecked(value != 0);
    settings::ReadRKey(key, "ShowWeather", value);
    CheckBox2weather->setChecked(value != 0);
    settings::ReadRKey(key, "ShowNews", value);
    CheckBox2news->setChecked(value != 0);
    settings::ReadAKey(key, "WeatherCode", location_code);
    settings::ReadAKey(key, "TDegree", unit_letter);
    settings::ReadAKey(key, "RSS_Url", feed_url);
    settings::ReadRKey(key, "UseProxy", value);
    CheckBox1Proxy->setChecked(value != 0);
    settings::ReadAKey(key, "Proxy", loaded_proxy_host);
    settings::ReadAKey(key, "Port", loaded_proxy_port);
  } else {
    // A first run: the key and all twelve values exist from now on, whether OK or Cancel follows.
    // They go in at once, so that no run ever sees the key with only some of them.
    ShowDefaults();
    settings::WriteKeyValues(key,
                             {{"Brightness", FD_BRIGHT->GetValue()},
                              {"SoundVolume", FD_SOUND->GetValue()},
                              {"ShowTime", settings::kDefaultShowTime},
                              {"ShowWeather", settings::kDefaultShowWeather},
                              {"ShowNews", settings::kDefaultShowNews},
                              {"ShowBlack", settings::kDefaultShowBlack},
                              {"WeatherCode", location_code},
                              {"TDegree", unit_letter},
                              {"RSS_Url", feed_url},
                              {"UseProxy", settings::kDefaultUseProxy},
                              {"Proxy", loaded_proxy_host},
                              {"Port", loaded_proxy_port}},
                             true);
  }
  Edit1ProxyServer->setText(Shown(loaded_proxy_host));
  Edit2Port->setText(Shown(loaded_proxy_port));
}

void TForm2::ShowDefaults() {
  FD_BRIGHT->SetValue(settings::kDefaultBrightness);
  FD_SOUND->SetValue(settings::kDefaultSoundVolume);
  location_code = settings::kDefaultWeatherCode;
  unit_letter = settings::kDefaultTDegree;
  feed_url = settings::kDefaultRSS_Url;
  CheckBox2time->setChecked(true);
  CheckBox1transp->setChecked(true);
}

void TForm2::BTOKClick() {
  const std::string key = KeyPath();
  settings::WriteRKey(key, "Brightness", FD_BRIGHT->GetValue());
  settings::WriteRKey(key, "SoundVolume", FD_SOUND->GetValue());
  settings::WriteRKey(key, "ShowTime", CheckBox2time->isChecked() ? 1 : 0);
  settings::WriteRKey(key, "ShowWeather", CheckBox2weather->isChecked() ? 1 : 0);
  settings::WriteRKey(key, "ShowNews", CheckBox2news->isChecked() ? 1 : 0);
  settings::WriteRKey(key, "ShowBlack", CheckBox1transp->isChecked() ? 0 : 1);
  settings::WriteAKey(key, "WeatherCode", location_code);
  settings::WriteAKey(key, "TDegree", unit_letter);
  settings::WriteAKey(key, "RSS_Url", feed_url);
  settings::WriteRKey(key, "UseProxy", CheckBox1Proxy->isChecked() ? 1 : 0);
  settings::WriteAKey(key, "Proxy", BytesOf(Edit1ProxyServer, loaded_proxy_host));
  settings::WriteAKey(key, "Port", BytesOf(Edit2Port, loaded_proxy_port));
  close();
}

void TForm2::BTCancelClick() {
  close();
}

void TForm2::Label5Click() {
  open_address(kCatalogueAddress);
}

void TForm2::TabSheet2Show() {
  TabSheet2->TabSheet2Show();
}

void TForm2::TabSheet3Show() {
  news_->TabSheet3Show();
}

void TForm2::PageShown(int index) {
  if (index == 1) Guarded([this] { TabSheet2Show(); });
  if (index == 2) Guarded([this] { TabSheet3Show(); });
}

void TForm2::done(int result) {
  // A download in progress ends now; the page makes no more.
  news_->Stop();
  QDialog::done(result);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  // Drawn scaled, an open list lives in the same window: the Return or Escape that closes it comes
  // back up to the dialog, and must not be taken for OK or Cancel as well.
  if (event->type() == QEvent::KeyPress && qobject_cast<QGraphicsView*>(watched) != nullptr) {
    list_open_ = false;
    for (const QComboBox* list : content_->findChildren<QComboBox*>())
      list_open_ = list_open_ || list->view()->isVisible();
    return false;
  }
  if (watched == Label5 && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && Label5->rect().contains(mouse->position().toPoint())) {
      Guarded([this] { Label5Click(); });
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lunvale::dialog
