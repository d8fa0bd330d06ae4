// SPDX-License-Identifier: MIT
#include "settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "settings/temp_config_home.h"

namespace lunvale::settings {
namespace {

using platform::ERegistryException;
using platform::ERegistryFileError;

constexpr char kSection[] = "[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software\\Lunvale Screensaver]\n";

// A complete key with values no writer would choose, to show that nothing is checked or replaced.
constexpr char kStored[] =
    "\"Brightness\"=dword:0000012c\n"
    "\"SoundVolume\"=dword:fffffffb\n"
    "\"TDegree\"=hex(2):63,00\n"
    "\"WeatherCode\"=\"AFXX0005\"\n"
    "\"RSS_Url\"=\"not a url\"\n"
    "\"ShowTime\"=dword:00000002\n"
    "\"ShowWeather\"=dword:00000001\n"
    "\"ShowNews\"=dword:00000001\n"
    "\"ShowBlack\"=dword:00000001\n"
    "\"UseProxy\"=dword:00000001\n"
    "\"Proxy\"=\"proxy.example\"\n"
    "\"Port\"=\"eighty\"\n";

class Settings : public testing_support::TempConfigHome {
 protected:
  void PutKey(const std::string& values) const { Put(std::string("REGEDIT4\n\n") + kSection + values); }
  static std::string Without(std::string values, const std::string& name) {
    size_t at = values.find("\"" + name + "\"=");
    values.erase(at, values.find('\n', at) + 1 - at);
    return values;
  }
  static SettingsStore Named(const std::string& brand = kBrandName, const std::string& saver = kSSName) {
    SettingsStore s;
    s.SetBrandName(brand);
    s.SetSSName(saver);
    return s;
  }
  static void ExpectDefaults(const SettingsStore& s) {
    EXPECT_EQ(s.Brightness(), 256);
    EXPECT_EQ(s.SoundVolume(), 200);
    EXPECT_EQ(s.GetTDegree(), "f");
    EXPECT_EQ(s.GetWeatherCode(), "20001");
    EXPECT_EQ(s.GetRSS_Url(), kDefaultRSS_Url);
    EXPECT_EQ(s.GetShowTime(), 1);
    EXPECT_EQ(s.GetShowWeather(), 0);
    EXPECT_EQ(s.GetShowNews(), 0);
    EXPECT_EQ(s.GetShowBlack(), 0);
    EXPECT_EQ(s.GetUseProxy(), 0);
    EXPECT_EQ(s.GetProxy(), "");
    EXPECT_EQ(s.GetPort(), "");
  }
  static void ExpectStored(const SettingsStore& s) {
    EXPECT_EQ(s.Brightness(), 300);
    EXPECT_EQ(s.SoundVolume(), -5);
    EXPECT_EQ(s.GetTDegree(), "c");
    EXPECT_EQ(s.GetWeatherCode(), "AFXX0005");
    EXPECT_EQ(s.GetRSS_Url(), "not a url");
    EXPECT_EQ(s.GetShowTime(), 2);
    EXPECT_EQ(s.GetShowWeather(), 1);
    EXPECT_EQ(s.GetShowNews(), 1);
    EXPECT_EQ(s.GetShowBlack(), 1);
    EXPECT_EQ(s.GetUseProxy(), 1);
    EXPECT_EQ(s.GetProxy(), "proxy.example");
    EXPECT_EQ(s.GetPort(), "eighty");
  }
  static std::string LoadError(SettingsStore& s) {
    try {
      s.SetRegistry();
    } catch (const ERegistryException& e) {
      return e.what();
    }
    return "(loaded)";
  }
};

TEST_F(Settings, FirstRunWritesTheTwelveDefaultsInOrder) {
  SettingsStore s = Named();
  EXPECT_EQ(s.Brightness(), 0);
  EXPECT_EQ(s.GetTDegree(), "");
  s.SetRegistry();
  ExpectDefaults(s);
  EXPECT_EQ(Slurp(File()), std::string("REGEDIT4\n\n"
                                       "[HKEY_CURRENT_USER\\SOFTWARE]\n\n"
                                       "[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software]\n\n") +
                               kSection +
                               "\"Brightness\"=dword:00000100\n"
                               "\"SoundVolume\"=dword:000000c8\n"
                               "\"TDegree\"=\"f\"\n"
                               "\"WeatherCode\"=\"20001\"\n"
                               "\"RSS_Url\"=\"" +
                               kDefaultRSS_Url +
                               "\"\n"
                               "\"ShowTime\"=dword:00000001\n"
                               "\"ShowWeather\"=dword:00000000\n"
                               "\"ShowNews\"=dword:00000000\n"
                               "\"ShowBlack\"=dword:00000000\n"
                               "\"UseProxy\"=dword:00000000\n"
                               "\"Proxy\"=\"\"\n"
                               "\"Port\"=\"\"\n\n");
  EXPECT_EQ(std::string(kDefaultRSS_Url).substr(std::string(kDefaultRSS_Url).find("/news?")),
            "/news?ned=us&topic=w&output=rss");
  // The second load finds the key and reads the same values back.
  SettingsStore again = Named();
  again.SetRegistry();
  ExpectDefaults(again);
}

TEST_F(Settings, CompleteKeyLoadsAsStoredAndWritesNothing) {
  PutKey(kStored);
  struct stat before, after;
  ASSERT_EQ(::stat(File().c_str(), &before), 0);
  SettingsStore s = Named();
  s.SetRegistry();
  ExpectStored(s);
  ASSERT_EQ(::stat(File().c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // never replaced
  EXPECT_EQ(Slurp(File()), std::string("REGEDIT4\n\n") + kSection + kStored);
  EXPECT_FALSE(std::filesystem::exists(File().string() + ".lock"));
}

TEST_F(Settings, MissingBrightnessFailsBeforeAnythingIsLoaded) {
  PutKey(Without(kStored, "Brightness"));
  SettingsStore s = Named();
  EXPECT_EQ(LoadError(s), "Failed to get data for 'Brightness'");
  EXPECT_EQ(s.Brightness(), 0);
  EXPECT_EQ(s.SoundVolume(), 0);
  EXPECT_EQ(s.GetTDegree(), "");
}

TEST_F(Settings, AbsentTextsLoadEmptyNotAsTheirDefaults) {
  PutKey(Without(Without(kStored, "RSS_Url"), "TDegree"));
  SettingsStore s = Named();
  s.SetRegistry();
  EXPECT_EQ(s.GetRSS_Url(), "");
  EXPECT_EQ(s.GetTDegree(), "");
  EXPECT_EQ(s.GetPort(), "eighty");  // loading went on past them
}

TEST_F(Settings, ValueOfWrongTypeStopsTheLoadThere) {
  SettingsStore s = Named();
  s.SetRegistry();  // first run: the defaults are the previous values
  std::string values = kStored;
  values.replace(values.find("\"ShowTime\"=dword:00000002"), 25, "\"ShowTime\"=\"1\"");
  PutKey(values);
  EXPECT_EQ(LoadError(s), "Invalid data type for 'ShowTime'");
  EXPECT_EQ(s.Brightness(), 300);  // "Brightness" to "RSS_Url" were read
  EXPECT_EQ(s.SoundVolume(), -5);
  EXPECT_EQ(s.GetTDegree(), "c");
  EXPECT_EQ(s.GetWeatherCode(), "AFXX0005");
  EXPECT_EQ(s.GetRSS_Url(), "not a url");
  EXPECT_EQ(s.GetShowTime(), 1);  // the rest keep what they held
  EXPECT_EQ(s.GetShowWeather(), 0);
  EXPECT_EQ(s.GetUseProxy(), 0);
  EXPECT_EQ(s.GetPort(), "");

  PutKey(Without(kStored, "ShowNews"));  // a missing number fails too
  EXPECT_EQ(LoadError(s), "Failed to get data for 'ShowNews'");
  PutKey(std::string(kStored) + "\"Port\"=dword:00000050\n");  // a text of another type
  EXPECT_EQ(LoadError(s), "Invalid data type for 'Port'");
}

TEST_F(Settings, KeyWithoutFullAccessRunsOnDefaultsAndKeepsTheStoredValues) {
  PutKey(kStored);
  const std::string before = Slurp(File());
  for (const auto& path : {File(), File().parent_path()}) {
    SCOPED_TRACE(path);
    ChangeMode(path, 0555);
    SettingsStore s = Named();
    s.SetRegistry();
    ExpectDefaults(s);
    int32_t n = 7;
    EXPECT_FALSE(s.ReadRKey("Brightness", n));
    EXPECT_EQ(n, 7);  // untouched
    EXPECT_FALSE(s.WriteAKey("Port", "81"));
    EXPECT_EQ(Slurp(File()), before);
    ChangeMode(path, 0755);
  }
}

TEST_F(Settings, OtherNamesAddressAnotherKeyWithItsOwnFirstRun) {
  PutKey(kStored);
  SettingsStore other = Named("Other Brand", kSSName);
  other.SetRegistry();
  ExpectDefaults(other);
  SettingsStore ours = Named();
  ours.SetRegistry();
  ExpectStored(ours);
  // The new key joins the file; the old one is left exactly where it was.
  const std::string file = Slurp(File());
  EXPECT_EQ(file.substr(0, file.find("\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Other Brand]") + 1),
            std::string("REGEDIT4\n\n") + kSection + kStored);
  // An empty name cannot be written as a key line: such a store runs on defaults and writes nothing.
  SettingsStore unnamed = Named("", kSSName);
  unnamed.SetRegistry();
  ExpectDefaults(unnamed);
  EXPECT_EQ(Slurp(File()), file);
}

TEST_F(Settings, PrimitivesOnAKeyPathSeeEachOthersWrites) {
  const std::string key = KeyPath("Brand", "Saver");
  EXPECT_EQ(key, "SOFTWARE\\Brand\\Saver");
  std::string text = "untouched";
  EXPECT_FALSE(ReadAKey(key, "Proxy", text));
  EXPECT_EQ(text, "untouched");
  EXPECT_FALSE(std::filesystem::exists(File().parent_path()));  // reads create nothing

  EXPECT_TRUE(WriteAKey(key, "Proxy", "h\xf6st \"q\" \\"));
  EXPECT_TRUE(WriteRKey(key, "UseProxy", 1));
  EXPECT_TRUE(WriteRKey(key, "UseProxy", 0));
  int32_t n = 5;
  EXPECT_TRUE(ReadRKey(key, "UseProxy", n));
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(ReadAKey(key, "Proxy", text));
  EXPECT_EQ(text, "h\xf6st \"q\" \\");
  EXPECT_TRUE(ReadAKey(key, "Missing", text));
  EXPECT_EQ(text, "");
  EXPECT_THROW(ReadRKey(key, "Missing", n), ERegistryException);
}

TEST_F(Settings, UnparsableFileReachesTheCallerAndIsKeptIntact) {
  const std::string bad = std::string("REGEDIT4\n\n") + kSection + "\"Brightness\"=dword:xyz\n";
  Put(bad);
  SettingsStore s = Named();
  try {
    s.SetRegistry();
    ADD_FAILURE() << "loaded";
  } catch (const ERegistryFileError& e) {
    EXPECT_EQ(std::string(e.what()).substr(0, File().string().size() + 4), File().string() + ":4: ");
  }
  EXPECT_EQ(s.Brightness(), 0);
  EXPECT_THROW(s.WriteRKey("Brightness", 1), ERegistryFileError);
  EXPECT_EQ(Slurp(File()), bad);
}

}  // namespace
}  // namespace lunvale::settings
