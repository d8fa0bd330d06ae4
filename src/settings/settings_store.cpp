#include "settings/settings_store.h"

#include "platform/system/registry.h"

namespace lunvale::settings {

using platform::KEY_ALL_ACCESS;
using platform::TRegistry;

std::string KeyPath(const std::string& brandName, const std::string& ssName) {
  return "SOFTWARE\\" + brandName + "\\" + ssName;
}

// A fresh accessor per value: no key handle outlives the one read or write.
bool ReadRKey(const std::string& keyPath, const std::string& name, int32_t& value) {
  TRegistry reg(KEY_ALL_ACCESS);
  if (!reg.OpenKey(keyPath, false)) return false;
  value = reg.ReadInteger(name);
  return true;
}

bool WriteRKey(const std::string& keyPath, const std::string& name, int32_t value) {
  TRegistry reg(KEY_ALL_ACCESS);
  if (!reg.OpenKey(keyPath, true)) return false;
  reg.WriteInteger(name, value);
  return true;
}

bool ReadAKey(const std::string& keyPath, const std::string& name, std::string& value) {
  TRegistry reg(KEY_ALL_ACCESS);
  if (!reg.OpenKey(keyPath, false)) return false;
  value = reg.ReadString(name);
  return true;
}

bool WriteAKey(const std::string& keyPath, const std::string& name, const std::string& value) {
  TRegistry reg(KEY_ALL_ACCESS);
  if (!reg.OpenKey(keyPath, true)) return false;
  reg.WriteString(name, value);
  return true;
}

bool SettingsStore::ReadRKey(const std::string& name, int32_t& value) const {
  return settings::ReadRKey(KeyPath(), name, value);
}

bool SettingsStore::WriteRKey(const std::string& name, int32_t value) const {
  return settings::WriteRKey(KeyPath(), name, value);
}

bool SettingsStore::ReadAKey(const std::string& name, std::string& value) const {
  return settings::ReadAKey(KeyPath(), name, value);
}

bool SettingsStore::WriteAKey(const std::string& name, const std::string& value) const {
  return settings::WriteAKey(KeyPath(), name, value);
}

void SettingsStore::SetRegistry() {
  int32_t brightness = 0;
  if (ReadRKey("Brightness", brightness)) {
    // Existing settings load as stored: no range checks, and absent texts stay empty.
    brightness_ = brightness;
    ReadRKey("SoundVolume", sound_volume_);
    ReadAKey("TDegree", t_degree_);
    ReadAKey("WeatherCode", weather_code_);
    ReadAKey("RSS_Url", rss_url_);
    ReadRKey("ShowTime", show_time_);
    ReadRKey("ShowWeather", show_weather_);
    ReadRKey("ShowNews", show_news_);
    ReadRKey("ShowBlack", show_black_);
    ReadRKey("UseProxy", use_proxy_);
    ReadAKey("Proxy", proxy_);
    ReadAKey("Port", port_);
    return;
  }
  // First run. The results are ignored: a key that cannot be created leaves the defaults in memory.
  brightness_ = kDefaultBrightness;
  sound_volume_ = kDefaultSoundVolume;
  t_degree_ = kDefaultTDegree;
  weather_code_ = kDefaultWeatherCode;
  rss_url_ = kDefaultRSS_Url;
  show_time_ = kDefaultShowTime;
  show_weather_ = kDefaultShowWeather;
  show_news_ = kDefaultShowNews;
  show_black_ = kDefaultShowBlack;
  use_proxy_ = kDefaultUseProxy;
  proxy_ = kDefaultProxy;
  port_ = kDefaultPort;
  WriteRKey("Brightness", brightness_);
  WriteRKey("SoundVolume", sound_volume_);
  WriteAKey("TDegree", t_degree_);
  WriteAKey("WeatherCode", weather_code_);
  WriteAKey("RSS_Url", rss_url_);
  WriteRKey("ShowTime", show_time_);
  WriteRKey("ShowWeather", show_weather_);
  WriteRKey("ShowNews", show_news_);
  WriteRKey("ShowBlack", show_black_);
  WriteRKey("UseProxy", use_proxy_);
  WriteAKey("Proxy", proxy_);
  WriteAKey("Port", port_);
}

}  // namespace lunvale::settings
