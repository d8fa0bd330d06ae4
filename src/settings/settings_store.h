// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace lunvale::settings {

// The names the scene form and the dialog give the key: SOFTWARE\<brand>\<saver>.
inline constexpr char kBrandName[] = "Miravel Software";
inline constexpr char kSSName[] = "Lunvale Screensaver";

// The defaults of a first run, shared by the engine and the configuration dialog.
inline constexpr int32_t kDefaultBrightness = 256;
inline constexpr int32_t kDefaultSoundVolume = 200;
inline constexpr char kDefaultTDegree[] = "f";
inline constexpr char kDefaultWeatherCode[] = "20001";  // Washington, DC
inline constexpr char kDefaultRSS_Url[] = "http://news.google.com/news?ned=us&topic=w&output=rss";
inline constexpr int32_t kDefaultShowTime = 1;
inline constexpr int32_t kDefaultShowWeather = 0;
inline constexpr int32_t kDefaultShowNews = 0;
inline constexpr int32_t kDefaultShowBlack = 0;
inline constexpr int32_t kDefaultUseProxy = 0;
inline constexpr char kDefaultProxy[] = "";
inline constexpr char kDefaultPort[] = "";

// "SOFTWARE\" + brand + "\" + saver.
std::string KeyPath(const std::string& brandName, const std::string& ssName);

// The four primitives on a key of HKEY_CURRENT_USER. Each opens the key with full access and closes
// it again around the one value. Reads never create the key and return false when it does not open
// (the output is then untouched); writes create it with its parents and return false when that
// fails. Value errors ("Failed to get data for '%s'", "Invalid data type for '%s'", "Failed to set
// data for '%s'") and unreadable hive files throw platform::ERegistryException.
bool ReadRKey(const std::string& keyPath, const std::string& name, int32_t& value);
bool WriteRKey(const std::string& keyPath, const std::string& name, int32_t value);
bool ReadAKey(const std::string& keyPath, const std::string& name, std::string& value);
bool WriteAKey(const std::string& keyPath, const std::string& name, const std::string& value);

// One value of a whole-key write: a number goes in as REG_DWORD, a text as REG_SZ.
struct KeyValue {
  std::string name;
  std::variant<int32_t, std::string> value;
};

// The twelve defaults in the order a first run writes them.
std::vector<KeyValue> DefaultValues();

// Writes the values into the key (created with its parents) in one replacement of the settings file,
// so no reader ever sees the key with only some of them; the dialog creates its first-run defaults so.
// With onlyIfMissing a key that another run created meanwhile is left as it is. False when nothing
// could be written; unreadable hive files throw platform::ERegistryException.
bool WriteKeyValues(const std::string& keyPath, const std::vector<KeyValue>& values,
                    bool onlyIfMissing = false);

// Moves a hive file that cannot be parsed aside to "<file>.bad-<YYYYMMDD-HHMMSS>" (local time) in its
// folder, so that the next write starts a fresh file; a file kept elsewhere through a symbolic link is
// moved where it lies, and the link then names the new file. Returns the copy's path, or an empty path
// when it could not be moved (then nothing changed).
std::filesystem::path SetAsideUnreadableFile(const std::filesystem::path& file);

// The engine's copy of the twelve settings. Before the first load numbers are 0 and texts empty.
class SettingsStore {
 public:
  void SetBrandName(const std::string& name) { brand_name_ = name; }
  void SetSSName(const std::string& name) { ss_name_ = name; }
  const std::string& BrandName() const { return brand_name_; }
  const std::string& SSName() const { return ss_name_; }
  std::string KeyPath() const { return settings::KeyPath(brand_name_, ss_name_); }

  // Loads every value from the key; when the key does not open, takes the defaults and writes all
  // twelve at once, creating the key with them (or leaving it to a run that created it first). A
  // value error stops the load there and propagates: fields read before it keep their new
  // values, the later ones their previous values.
  void SetRegistry();

  // The primitives on this store's key.
  bool ReadRKey(const std::string& name, int32_t& value) const;
  bool WriteRKey(const std::string& name, int32_t value) const;
  bool ReadAKey(const std::string& name, std::string& value) const;
  bool WriteAKey(const std::string& name, const std::string& value) const;

  // The engine's Brightness and SoundVolume properties live here; their setters store through these.
  int32_t Brightness() const { return brightness_; }
  int32_t SoundVolume() const { return sound_volume_; }
  void SetBrightnessField(int32_t value) { brightness_ = value; }
  void SetSoundVolumeField(int32_t value) { sound_volume_ = value; }

  std::string GetTDegree() const { return t_degree_; }
  std::string GetWeatherCode() const { return weather_code_; }
  std::string GetRSS_Url() const { return rss_url_; }
  std::string GetProxy() const { return proxy_; }
  std::string GetPort() const { return port_; }
  int32_t GetShowTime() const { return show_time_; }
  int32_t GetShowWeather() const { return show_weather_; }
  int32_t GetShowNews() const { return show_news_; }
  int32_t GetShowBlack() const { return show_black_; }
  int32_t GetUseProxy() const { return use_proxy_; }

 private:
  std::string brand_name_;
  std::string ss_name_;
  int32_t brightness_ = 0;
  int32_t sound_volume_ = 0;
  std::string t_degree_;
  std::string weather_code_;
  std::string rss_url_;
  int32_t show_time_ = 0;
  int32_t show_weather_ = 0;
  int32_t show_news_ = 0;
  int32_t show_black_ = 0;
  int32_t use_proxy_ = 0;
  std::string proxy_;
  std::string port_;
};

}  // namespace lunvale::settings
