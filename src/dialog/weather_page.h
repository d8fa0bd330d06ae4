// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace lunvale::dialog {

// The weather page: country, city and unit pickers over the location table. It edits the dialog's
// location code and unit letter, which the dialog owns and OK stores. Below its note it credits the
// forecast service whose data the saver shows.
class WeatherPage : public QWidget {
 public:
  WeatherPage(std::string& location_code, std::string& unit_letter, QWidget* parent = nullptr);

  void TabSheet2Show();  // the dialog calls it every time the page is shown
  void ComboBox1CountryChange();
  void ComboBox1CityChange();
  void ComboBox1UnitsChange();

  QComboBox* ComboBox1Country;
  QComboBox* ComboBox1City;
  QComboBox* ComboBox1Units;
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label15;
  QLabel* Label16;
  QLabel* StaticText1;
  // The credit the forecast service's licence asks for, a link to its site.
  QLabel* LabelCredit;
  // Opens the credit's link (the dialog's shell open; tests replace it).
  std::function<void(const std::string& address)> open_address;
  // The code of each listed city, at the city's list position.
  std::vector<std::string> ListBox1Code;

 private:
  // Lists the selected country's cities with their codes; returns the position of the last city whose
  // code is the location code, or -1.
  int FillCities();

  int listed_country_ = -1;  // whose cities the city list holds
  std::string& location_code_;
  std::string& unit_letter_;
};

}  // namespace lunvale::dialog
