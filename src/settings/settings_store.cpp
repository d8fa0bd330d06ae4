// SPDX-License-Identifier: MIT
#include "settings/settings_store.h"

#include <ctime>
#include <system_error>

#include "platform/system/registry.h"
#include "platform/system/time_format.h"

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

std::vector<KeyValue> DefaultValues() {
  return {{"Brightness", kDefaultBrightness},
          {"SoundVolume", kDefaultSoundVolume},
          {"TDegree", kDefaultTDegree},
          {"WeatherCode", kDefaultWeatherCode},
          {"RSS_Url", kDefaultRSS_Url},
          {"ShowTime", kDefaultShowTime},
          {"ShowWeather", kDefaultShowWeather},
          {"ShowNews", kDefaultShowNews},
          {"ShowBlack", kDefaultShowBlack},
          {"UseProxy", kDefaultUseProxy},
          {"Proxy", kDefaultProxy},
          {"Port", kDefaultPort}};
}

bool WriteKeyValues(const std::string& keyPath, const std::vector<KeyValue>& values, bool onlyIfMissing) {
  std::vector<std::pair<std::string, platform::RegValue>> raw;
  for (const auto& v : values) {
    if (const auto* number = std::get_if<int32_t>(&v.value)) {
      const auto n = static_cast<uint32_t>(*number);  // REG_DWORD data is 4 bytes, little-endian
      const char bytes[4] = {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
                             static_cast<char>(n >> 24)};
      raw.emplace_back(v.name, platform::RegValue{platform::REG_DWORD, std::string(bytes, 4)});
    } else {
      raw.emplace_back(v.name, platform::RegValue{platform::REG_SZ, std::get<std::string>(v.value) + '\0'});
    }
  }
  TRegistry reg(KEY_ALL_ACCESS);
  return reg.WriteKey(keyPath, raw, onlyIfMissing);
}

std::filesystem::path SetAsideUnreadableFile(const std::filesystem::path& file) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path real = fs::canonical(file, ec);
  if (ec) return {};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char stamp[32] = "";
  if (!platform::LocalTime(now, local) || std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0)
    return {};
  // Two failures within one second keep both copies.
  for (int n = 0; n < 100; ++n) {
    fs::path copy = real;
    copy += std::string(".bad-") + stamp + (n == 0 ? "" : "-" + std::to_string(n));
    if (fs::exists(fs::symlink_status(copy, ec))) continue;
    fs::rename(real, copy, ec);
    return ec ? fs::path() : copy;
  }
  return {};
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
  // First run. Twelve separate writes would let a kill, a full disk or a second saver starting at the
  // same moment see a key without its values, and every later start would fail on it; so the key is
  // created with all twelve at once. The result is ignored: if nothing can be written the saver runs
  // on the defaults held in memory.
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
  WriteKeyValues(KeyPath(), DefaultValues(), true);
}

}  // namespace lunvale::settings
