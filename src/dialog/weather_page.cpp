// SPDX-License-Identifier: MIT
#include "dialog/weather_page.h"

#include "data/location_table.h"
#include "dialog/dialog_style.h"
#include "platform/text/code_page.h"

namespace lunvale::dialog {

namespace {

constexpr char kNote[] =
    "NOTE: For viewing Weather Information  you must have direct Internet  access. If you have firewall in "
    "your computer, you must allow access to Internet for this screensaver. Don't be alarmed: this "
    "screensaver does not contain any adware or spyware.";

// Open-Meteo's data comes under CC BY 4.0, which asks for this credit with a link.
constexpr char kCreditAddress[] = "https://open-meteo.com/";
constexpr char kCredit[] = "Weather data by Open-Meteo.com";

QFont Font(const QStringList& families, int pixels, bool bold = false) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
QFont Verdana(int pixels, bool bold = false) {
  return Font({"Verdana", "DejaVu Sans"}, pixels, bold);
}
QFont SansSerif(int pixels) {
  return Font({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, pixels);
}

QLabel* MakeLabel(QWidget* parent, const char* text, QRect geometry, const QFont& font, bool wrap = false) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kTextColour);
  label->setPalette(palette);
  label->setMargin(0);
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (geometry.isEmpty()) {
    label->adjustSize();
    label->move(geometry.topLeft());
  } else {
    label->setGeometry(geometry);
  }
  return label;
}

// The table's names are Windows-1252 text.
QString Shown(const char* bytes) {
  return QString::fromStdString(platform::AnsiToUtf8(bytes));
}

}  // namespace

WeatherPage::WeatherPage(std::string& location_code, std::string& unit_letter, QWidget* parent)
    : QWidget(parent), location_code_(location_code), unit_letter_(unit_letter) {
  Label13 = MakeLabel(this, "Setup weather information:", {143, 34, 0, 0}, Verdana(13, true));
  Label14 = MakeLabel(this, "Select a Country:", {71, 66, 0, 0}, Verdana(13));
  ComboBox1Country = MakePickList(this, {71, 85});
  Label15 = MakeLabel(this, "Select a City:", {71, 121, 0, 0}, Verdana(13));
  ComboBox1City = MakePickList(this, {71, 140});
  Label16 = MakeLabel(this, "Units:", {71, 177, 0, 0}, Verdana(13));
  ComboBox1Units = MakePickList(this, {71, 196});
  ComboBox1Units->addItems({"Fahrenheit degrees", "Celsius degrees"});
  StaticText1 = MakeLabel(this, kNote, {73, 245, 347, 51}, SansSerif(11), true);
  LabelCredit = MakeLabel(this, "", {73, 306, 0, 0}, SansSerif(11));
  LabelCredit->setTextFormat(Qt::RichText);
  LabelCredit->setText(QString("<a href=\"%1\">%2</a>").arg(kCreditAddress, kCredit));
  LabelCredit->adjustSize();
  LabelCredit->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  LabelCredit->setCursor(Qt::PointingHandCursor);
  connect(LabelCredit, &QLabel::linkActivated, this, [this](const QString& address) {
    if (open_address) open_address(address.toStdString());
  });

  // activated: the user's picks only, never the selections the handlers make themselves.
  connect(ComboBox1Country, &QComboBox::activated, this, [this] { ComboBox1CountryChange(); });
  connect(ComboBox1City, &QComboBox::activated, this, [this] { ComboBox1CityChange(); });
  connect(ComboBox1Units, &QComboBox::activated, this, [this] { ComboBox1UnitsChange(); });
}

void WeatherPage::TabSheet2Show() {
  ComboBox1Country->clear();
  QStringList names;
  for (const data::CountryEntry& country : data::Countries()) names.append(Shown(country.name));
  ComboBox1Country->addItems(names);

  int country = -1;
  for (const data::CityEntry& city : data::Cities()) {
    if (location_code_ == city.code) {
      country = city.country;
      break;
    }
  }
  ComboBox1Country->setCurrentIndex(country);
  ComboBox1City->setCurrentIndex(FillCities());
  ComboBox1Units->setCurrentIndex(unit_letter_ == "c" ? 1 : 0);
}

int WeatherPage::FillCities() {
  ComboBox1City->clear();
  ListBox1Code.clear();
  const int country = listed_country_ = ComboBox1Country->currentIndex();
  QStringList names;
  int match = -1;
  if (country >= 0) {
    for (const data::CityEntry& city : data::Cities()) {
      if (city.country != country) continue;
      if (location_code_ == city.code) match = names.size();
      names.append(Shown(city.name));
      ListBox1Code.emplace_back(city.code);
    }
  }
  ComboBox1City->addItems(names);
  return match;
}

void WeatherPage::ComboBox1CountryChange() {
  // The country already listed, picked again: its list and the chosen city stay.
  if (ComboBox1Country->currentIndex() == listed_country_) return;
  FillCities();
  ComboBox1City->setCurrentIndex(ListBox1Code.empty() ? -1 : 0);
  ComboBox1CityChange();
}

void WeatherPage::ComboBox1CityChange() {
  const int city = ComboBox1City->currentIndex();
  if (city >= 0 && city < static_cast<int>(ListBox1Code.size())) location_code_ = ListBox1Code[city];
}

void WeatherPage::ComboBox1UnitsChange() {
  unit_letter_ = ComboBox1Units->currentIndex() == 1 ? "c" : "f";
}

}  // namespace lunvale::dialog
