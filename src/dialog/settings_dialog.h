// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <functional>
#include <string>

#include "controls/fader.h"
#include "controls/picture_button.h"
#include "dialog/news_page.h"
#include "dialog/weather_page.h"
#include "net/http_client.h"
#include "platform/system/registry.h"

class QGraphicsView;
class QScreen;

namespace lunvale::dialog {

// The settings dialog of the configuration run. It loads the twelve settings when it is made (or,
// on a first run, writes the defaults at once), lets the user edit them on four pages, and writes
// every one back on OK; Cancel writes nothing. Errors it cannot carry on from go to the application's
// error report (ReportError) and the dialog stays open. A settings file that cannot be parsed is
// reported once, with the offer to start from the defaults; taking it moves the file aside as a
// ".bad-<time>" copy. Keys: Tab walks every control, Return is OK (Space or Return on a focused button
// presses that button), Escape is Cancel. On a screen too small for it, the dialog is drawn smaller,
// as a whole, at the largest scale that fits the screen's free area.
class TForm2 : public QDialog {
 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  void FormCreate();
  // The scale the dialog is drawn at: 1, or less where the screen's free area is smaller than the
  // dialog with its window frame.
  double Scale() const { return scale_; }
  static double FitScale(QSize available);
  void BTOKClick();
  void BTCancelClick();
  void Label5Click();
  void TabSheet2Show();
  void TabSheet3Show();
  void ComboBox1CountryChange() { TabSheet2->ComboBox1CountryChange(); }
  void ComboBox1CityChange() { TabSheet2->ComboBox1CityChange(); }
  void ComboBox1UnitsChange() { TabSheet2->ComboBox1UnitsChange(); }
  void ComboBox1CategoryChange() { news_->ComboBox1CategoryChange(); }
  void ComboBox2TitleNewsChange() { news_->ComboBox2TitleNewsChange(); }
  void UrlNewsChange() { news_->UrlNewsChange(); }

  // Opens an address for "More screensavers" and the weather credit (the shell's open; tests replace
  // it).
  std::function<void(const std::string& address)> open_address;

  // Held values.
  std::string brand_name;
  std::string ss_name;
  std::string location_code;
  std::string unit_letter;
  std::string feed_url;
  std::string loaded_proxy_host;
  std::string loaded_proxy_port;
  bool directory_pending = true;
  // Where the news page's directory requests go ("DirectoryHost"); empty: the built-in directory.
  std::string directory_host;

  // Header.
  QLabel* Image1;
  QLabel* Image2;
  QLabel* Label6;
  QLabel* Label5;
  // Pages, in order.
  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  WeatherPage* TabSheet2;
  NewsPage* TabSheet3;
  QWidget* TabSheet4;
  // "Configuration" page.
  QLabel* Label1;
  controls::TQHFADER* FD_BRIGHT;
  QLabel* Label4;
  QLabel* Label2;
  controls::TQHFADER* FD_SOUND;
  QLabel* Label3;
  QGroupBox* GroupBox1;
  QCheckBox* CheckBox1transp;
  QCheckBox* CheckBox2time;
  QCheckBox* CheckBox2weather;
  QCheckBox* CheckBox2news;
  QCheckBox* CheckBox1Proxy;
  QLabel* StaticText2;
  // "Proxy" page.
  QLabel* Label7;
  QLabel* Label8;
  QLineEdit* Edit1ProxyServer;
  QLabel* Label9;
  QLineEdit* Edit2Port;
  // Buttons.
  controls::TQorbutton* BTCancel;
  controls::TQorbutton* BTOK;

  net::THTTPClient HTTPClient1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void BuildHeader();
  void BuildConfigurationPage();
  void BuildProxyPage();
  void BuildButtons();
  void SetTabOrder();
  // Draws the contents 1:1, or scaled as a whole when they do not fit `screen`; again whenever the dialog
  // goes to a screen where another scale fits.
  void PlaceContent(const QScreen* screen);
  // Loads the settings; a file that cannot be parsed is offered a fresh start. False when the
  // settings could not be read.
  bool LoadSettings();
  // The twelve defaults in the controls and held values; nothing is written.
  void ShowDefaults();
  // Asks whether the unreadable file may be set aside; true when it was.
  bool OfferFreshStart(const platform::ERegistryFileError& error, const char* offer);
  void Ok();
  void PageShown(int index);
  std::string KeyPath() const;
  // Runs a handler; what escapes it goes to the error report.
  template <typename F>
  void Guarded(F&& handler);

  NewsPage* news_;
  QWidget* content_;  // everything the dialog shows, drawn 1:1 or scaled as a whole
  double scale_ = 1.0;
  QGraphicsView* view_ = nullptr;  // showing the contents scaled, or none
  bool placed_ = false;
  bool follows_screen_ = false;
  bool list_open_ = false;  // a key came while a list stood open
  QImage pictures_[6];
};

}  // namespace lunvale::dialog
