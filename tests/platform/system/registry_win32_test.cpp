// SPDX-License-Identifier: MIT
// TRegistry on the real registry. Each test works on a key of its own under HKCU\SOFTWARE, removed
// before and after, never on the saver's key, so a run cannot touch a user's settings.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/system/registry.h"

#include "platform/win32/windows_api.h"

namespace lunvale::platform {
namespace {

using Values = std::vector<std::pair<std::string, RegValue>>;

RegValue Sz(const std::string& text) {
  return {REG_SZ, text + '\0'};
}
RegValue Dword(uint32_t n) {
  return {REG_DWORD, std::string(reinterpret_cast<const char*>(&n), 4)};
}

class RegistryOnWindows : public ::testing::Test {
 protected:
  void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }
  void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()); }

  // The value as the registry itself gives it, bypassing TRegistry; nullopt when it is missing.
  static std::optional<RegValue> Raw(const std::string& path, const std::string& name) {
    std::string data(4096, '\0');
    DWORD type = 0, size = static_cast<DWORD>(data.size());
    if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type,
                       data.data(), &size) != ERROR_SUCCESS)
      return {};
    return RegValue{type, data.substr(0, size)};
  }
  static bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
  }
  static void Put(const std::string& path, const std::string& name, const RegValue& v) {
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), v.type, v.data.data(),
                                static_cast<DWORD>(v.data.size())),
              ERROR_SUCCESS);
  }
  static std::string Message(const std::function<void()>& f) {
    try {
      f();
    } catch (const ERegistryException& e) {
      return e.what();
    }
    return "(no exception)";
  }

  const std::string key_ = "SOFTWARE\\Lunvale registry test " + std::to_string(::GetCurrentProcessId());
};

TEST_F(RegistryOnWindows, EveryTypeIsStoredAsTheRegistryKeepsItAndReadsBack) {
  std::string all_bytes;
  for (int i = 0; i < 256; ++i) all_bytes += static_cast<char>(i);
  const std::string tricky = "C:\\dir \"q\" \xb0\xff\x81 end";  // 8-bit bytes, kept as they are
  const Values cases = {
      {"Negative", Dword(0xfffffffe)},
      {"Text", Sz(tricky)},
      {"Lines", Sz(std::string("one\r\ntwo\0three", 14))},
      {"Expand", {REG_EXPAND_SZ, std::string("%HOME%\\x\0", 9)}},
      {"", Sz("default")},
      {"Multi", {REG_MULTI_SZ, std::string("a\0b\0\0", 5)}},
      {"Big", {REG_QWORD, "\x01\x02\x03\x04\x05\x06\x07\x08"}},
      {"Blob", {REG_BINARY, all_bytes}},
      {"None", {REG_NONE, ""}},
  };
  TRegistry writer, reader(KEY_READ);
  for (const auto& [name, value] : cases) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(writer.OpenKey(key_, true));
    writer.WriteValue(name, value);
    EXPECT_EQ(Raw(key_, name), value);
    ASSERT_TRUE(reader.OpenKey("\\" + key_, false));
    EXPECT_EQ(reader.ReadValue(name), value);
  }
  EXPECT_EQ(reader.ReadInteger("NEGATIVE"), -2);  // names compare without regard to case
  EXPECT_EQ(reader.ReadString("Lines"), "one\r\ntwo");
  EXPECT_EQ(reader.ReadString("Expand"), "%HOME%\\x");  // never expanded
}

TEST_F(RegistryOnWindows, BadValuesGiveTheLinuxMessagesAndLeaveTheKeyAsItWas) {
  const Values stored = {{"Text", Sz("1")},
                         {"Num", Dword(5)},
                         {"Short", {REG_DWORD, "\1\2"}},
                         {"Long", {REG_DWORD, "\1\2\3\4\5"}},
                         {"NoData", {REG_DWORD, ""}},
                         {"Bin", {REG_BINARY, std::string("1\0", 2)}}};
  for (const auto& [name, value] : stored) Put(key_, name, value);
  TRegistry reg, read_only(KEY_READ);
  ASSERT_TRUE(reg.OpenKey(key_, false));
  ASSERT_TRUE(read_only.OpenKey(key_, false));
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { reg.ReadInteger("Missing"); }, "Failed to get data for 'Missing'"},
      {[&] { reg.ReadInteger("Text"); }, "Invalid data type for 'Text'"},
      {[&] { reg.ReadInteger("Short"); }, "Failed to get data for 'Short'"},
      {[&] { reg.ReadInteger("Long"); }, "Failed to get data for 'Long'"},
      {[&] { reg.ReadInteger("NoData"); }, "Failed to get data for 'NoData'"},
      {[&] { reg.ReadString("Num"); }, "Invalid data type for 'Num'"},
      {[&] { reg.ReadString("Bin"); }, "Invalid data type for 'Bin'"},
      {[&] { read_only.WriteInteger("Num", 1); }, "Failed to set data for 'Num'"},
      {[] { TRegistry().WriteInteger("Num", 1); }, "Failed to set data for 'Num'"},  // no key open
      // A zero byte would cut the name short and write "Num" instead.
      {[&] { reg.WriteInteger(std::string("Num\0x", 5), 1); }, "Failed to set data for 'Num"},
  };
  for (const auto& [call, message] : cases) {
    SCOPED_TRACE(message);
    EXPECT_EQ(Message(call), message);
  }
  EXPECT_EQ(reg.ReadString("Missing"), "");
  EXPECT_EQ(reg.ReadString("NoData"), "");  // size 0 reads as empty whatever its type
  for (const auto& [name, value] : stored) EXPECT_EQ(Raw(key_, name), value) << name;
}

TEST_F(RegistryOnWindows, ReadsNeverCreateKeysAndBadPathsOpenNothing) {
  const std::tuple<std::string, bool, uint32_t> cases[] = {
      {key_, false, KEY_ALL_ACCESS},
      {key_, true, KEY_READ},  // creating needs write access
      {key_ + "\\\\Sub", true, KEY_ALL_ACCESS},
      {key_ + std::string("\0Sub", 4), true, KEY_ALL_ACCESS},
  };
  for (const auto& [path, create, access] : cases) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(TRegistry(access).OpenKey(path, create));
    EXPECT_FALSE(KeyExists(key_));
  }
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(key_ + "\\Sub", true));  // created with its parents
  // Removed behind the open accessor: its next write creates the key again.
  ASSERT_EQ(::RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str()), ERROR_SUCCESS);
  reg.WriteInteger("A", 7);
  EXPECT_EQ(Raw(key_ + "\\Sub", "A"), Dword(7));
}

TEST_F(RegistryOnWindows, WholeKeyIsWrittenAtOnceAndAnExistingKeyIsKeptWhenAsked) {
  const std::string sub = key_ + "\\Sub", other = key_ + "\\Other";
  Values values = {{"B", Dword(1)}, {"A", Sz("x")}};
  TRegistry reg;
  ASSERT_TRUE(reg.WriteKey(sub, values, true));
  EXPECT_EQ(reg.ReadString("A"), "x");
  EXPECT_EQ(Raw(sub, "B"), Dword(1));
  Put(sub, "B", Dword(5));
  ASSERT_TRUE(reg.WriteKey(sub, values, true));  // a run that came first keeps its key
  EXPECT_EQ(reg.ReadInteger("B"), 5);
  ASSERT_TRUE(reg.WriteKey(sub, values));
  EXPECT_EQ(reg.ReadInteger("B"), 1);
  EXPECT_FALSE(TRegistry(KEY_READ).WriteKey(other, values));
  // A value that cannot be stored (its name is too long) leaves no key with only some of the values.
  values.emplace_back(std::string(20000, 'n'), Sz("y"));
  EXPECT_FALSE(TRegistry().WriteKey(other, values));
  EXPECT_FALSE(KeyExists(other));
}

}  // namespace
}  // namespace lunvale::platform
