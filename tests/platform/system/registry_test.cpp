// SPDX-License-Identifier: MIT
#include "platform/system/registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "settings/temp_config_home.h"

namespace lunvale::platform {
namespace {

namespace fs = std::filesystem;

constexpr char kKey[] = "SOFTWARE\\Miravel Software\\Lunvale Screensaver";

class Registry : public testing_support::TempConfigHome {
 protected:
  // Runs f on a freshly opened key, as each settings primitive does.
  template <typename F>
  void WithKey(bool create, F f, const std::string& key = kKey) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(key, create));
    f(reg);
  }
  static std::string Message(const std::function<void()>& f) {
    try {
      f();
    } catch (const ERegistryException& e) {
      return e.what();
    }
    return "(no exception)";
  }
};

TEST_F(Registry, FolderComesFromXdgConfigHomeOrHomeAndReadsNeverCreateIt) {
  EXPECT_EQ(RegistryFilePath(), home_ / "lunvale" / "HKEY_CURRENT_USER.reg");
  TRegistry reg;
  EXPECT_FALSE(reg.OpenKey(kKey, false));
  EXPECT_FALSE(fs::exists(home_ / "lunvale"));

  ::setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  const char* old_home = std::getenv("HOME");
  std::string saved = old_home ? old_home : "";
  ::setenv("HOME", home_.c_str(), 1);
  EXPECT_EQ(RegistryFolder(), home_ / ".config" / "lunvale");
  ::setenv("HOME", saved.c_str(), 1);
}

TEST_F(Registry, NewKeyIsWrittenAsAnExportWithItsParents) {
  Put("");  // an empty file is a hive without keys
  WithKey(true, [](TRegistry& r) {
    r.WriteInteger("Brightness", 256);
    r.WriteString("TDegree", "f");
    r.WriteInteger("Negative", -2);
  });
  EXPECT_EQ(Slurp(File()),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software]\n\n"
            "[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software\\Lunvale Screensaver]\n"
            "\"Brightness\"=dword:00000100\n"
            "\"TDegree\"=\"f\"\n"
            "\"Negative\"=dword:fffffffe\n\n");
  WithKey(false, [](TRegistry& r) { EXPECT_EQ(r.ReadInteger("NEGATIVE"), -2); });
  // The parents exist as keys of their own, and a sibling reuses their section.
  WithKey(
      true, [](TRegistry& r) { r.WriteString("x", "y"); }, "software\\miravel software\\Other");
  EXPECT_NE(Slurp(File()).find("[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software\\Other]\n\"x\"=\"y\"\n"),
            std::string::npos);
}

TEST_F(Registry, TextsKeepEveryByteThroughEscapesAndHexForms) {
  const std::string tricky = "C:\\dir\\\"quoted\" \xb0\xff\x01 end";
  const std::string multi_line = std::string("one\r\ntwo\0three", 14);
  WithKey(true, [&](TRegistry& r) {
    r.WriteString("Tricky", tricky);
    r.WriteString("Lines", multi_line);
    r.WriteExpandString("Expand", "%HOME%\\x");
    r.WriteString("Empty", "");
    r.WriteString("", "default");
  });
  const std::string file = Slurp(File());
  EXPECT_NE(file.find("\"Tricky\"=\"C:\\\\dir\\\\\\\"quoted\\\" \xb0\xff\x01 end\"\n"), std::string::npos);
  EXPECT_NE(file.find("\"Lines\"=hex(1):6f,6e,65,0d,0a,74,77,6f,00,74,68,72,65,65,00\n"), std::string::npos);
  EXPECT_NE(file.find("\"Expand\"=hex(2):25,48,4f,4d,45,25,5c,78,00\n"), std::string::npos);
  EXPECT_NE(file.find("@=\"default\"\n"), std::string::npos);
  WithKey(false, [&](TRegistry& r) {
    EXPECT_EQ(r.ReadString("Tricky"), tricky);
    EXPECT_EQ(r.ReadValue("Lines")->data, multi_line + '\0');
    EXPECT_EQ(r.ReadString("Lines"), "one\r\ntwo");  // up to the first zero byte
    EXPECT_EQ(r.GetDataType("Expand"), REG_EXPAND_SZ);
    EXPECT_EQ(r.ReadString("Expand"), "%HOME%\\x");  // never expanded
    EXPECT_EQ(r.GetDataSize("Empty"), 1);
    EXPECT_EQ(r.ReadString(""), "default");
  });
}

TEST_F(Registry, RewriteKeepsCommentsOtherKeysAndEveryTypeByteForByte) {
  const std::string head =
      "REGEDIT4\r\n\r\n"
      "; kept as it is\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Elsewhere]\r\n"
      "\"Brightness\"=dword:00000001\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Miravel Software\\Lunvale Screensaver]\r\n"
      "\"Multi\"=hex(7):61,00,62,00,00,\\\r\n"
      "  00\r\n"
      "\"Big\"=hex(b):01,02,03,04,05,06,07,08\r\n"
      "\"Blob\"=HEX:de,ad,BE,ef\r\n"
      "\"None\"=hex(0):\r\n"
      "  \"Brightness\" = dword:ff\r\n";
  const std::string tail =
      "; a note about the next key\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
      "@=\"x\"";  // no line end at the end of the file
  Put(head + tail);
  WithKey(true, [](TRegistry& r) {
    EXPECT_EQ(r.ReadInteger("Brightness"), 255);
    r.WriteInteger("brightness", 100);  // replaced where it stands, stored spelling kept
    r.WriteInteger("Added", 7);         // goes after the key's last value, in the file's line ends
    r.WriteValue("Blob", {REG_BINARY, std::string("\xde\xad\xbe\xef", 4)});  // unchanged: not rewritten
  });
  std::string expected = head;
  expected.replace(expected.find("  \"Brightness\" = dword:ff"), 25, "\"Brightness\"=dword:00000064");
  expected += "\"Added\"=dword:00000007\r\n" + tail;
  EXPECT_EQ(Slurp(File()), expected);
  WithKey(false, [](TRegistry& r) {
    EXPECT_EQ(r.ReadValue("Multi"), (RegValue{REG_MULTI_SZ, std::string("a\0b\0\0\0", 6)}));
    EXPECT_EQ(r.ReadValue("Big"), (RegValue{REG_QWORD, "\x01\x02\x03\x04\x05\x06\x07\x08"}));
    EXPECT_EQ(r.ReadValue("None"), (RegValue{REG_NONE, ""}));
  });
  // Only our hive counts: the other root's value is not ours.
  EXPECT_FALSE(TRegistry().OpenKey("SOFTWARE\\Elsewhere", false));
}

TEST_F(Registry, LongBinaryWrapsAndReadsBack) {
  std::string data;
  for (int i = 0; i < 200; ++i) data += static_cast<char>(i);
  WithKey(true, [&](TRegistry& r) { r.WriteValue("Long", {REG_BINARY, data}); });
  const std::string file = Slurp(File());
  size_t width = 0;
  for (size_t start = 0, nl; (nl = file.find('\n', start)) != std::string::npos; start = nl + 1)
    width = std::max(width, nl - start);
  EXPECT_LE(width, 80u);
  WithKey(false, [&](TRegistry& r) { EXPECT_EQ(r.ReadValue("Long")->data, data); });
}

TEST_F(Registry, KeysWithoutOwnSectionsStillOpenAndDuplicatesReadAsTheLast) {
  Put("REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software\\Lunvale Screensaver]\n\"A\"=dword:1\n"
      "[HKEY_CURRENT_USER\\software\\MIRAVEL SOFTWARE\\lunvale screensaver]\n\"a\"=dword:2\n");
  EXPECT_TRUE(TRegistry().OpenKey("SOFTWARE\\Miravel Software", false));
  EXPECT_TRUE(TRegistry().OpenKey("\\Software", false));
  EXPECT_FALSE(TRegistry().OpenKey("SOFTWARE\\Miravel", false));
  EXPECT_FALSE(TRegistry().OpenKey("SOFTWARE\\\\Miravel Software", true));  // empty name
  WithKey(false, [](TRegistry& r) { EXPECT_EQ(r.ReadInteger("A"), 2); });
  WithKey(true, [](TRegistry& r) { r.WriteInteger("A", 3); });
  EXPECT_EQ(Slurp(File()),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Miravel Software\\Lunvale Screensaver]\n"
            "[HKEY_CURRENT_USER\\software\\MIRAVEL SOFTWARE\\lunvale screensaver]\n\"a\"=dword:00000003\n");
}

TEST_F(Registry, ValueErrorsNameTheValue) {
  Put("REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"Text\"=\"1\"\n\"Num\"=dword:5\n\"Short\"=hex(4):01,02\n"
      "\"NoData\"=hex(4):\n\"Bin\"=hex:31,00\n");
  WithKey(
      false,
      [](TRegistry& r) {
        EXPECT_EQ(Message([&] { r.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
        EXPECT_EQ(Message([&] { r.ReadInteger("Text"); }), "Invalid data type for 'Text'");
        EXPECT_EQ(Message([&] { r.ReadInteger("Short"); }), "Failed to get data for 'Short'");
        EXPECT_EQ(Message([&] { r.ReadString("Num"); }), "Invalid data type for 'Num'");
        EXPECT_EQ(Message([&] { r.ReadString("Bin"); }), "Invalid data type for 'Bin'");
        EXPECT_EQ(r.ReadString("Missing"), "");
        EXPECT_EQ(r.ReadString("NoData"), "");  // size 0 reads as empty whatever its type
        EXPECT_EQ(Message([&] { r.WriteString("Line\nBreak", "x"); }),
                  "Failed to set data for 'Line\nBreak'");
      },
      "K");
  TRegistry read_only(KEY_READ);
  ASSERT_TRUE(read_only.OpenKey("K", false));
  EXPECT_EQ(Message([&] { read_only.WriteInteger("Num", 1); }), "Failed to set data for 'Num'");
}

TEST_F(Registry, UnparsableFileFailsEveryAccessWithFileAndLineAndIsKeptIntact) {
  const std::pair<std::string, int> cases[] = {
      {"Windows Registry Editor Version 5.00\n\n", 1},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=\"C:\\dir\"\n", 4},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=\"open\n", 4},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=dword:123456789\n", 4},
      {"REGEDIT4\n\"A\"=dword:1\n", 2},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=hex:01,\\\n", 4},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=hex:01,zz\n", 4},
      {"REGEDIT4\n\n[-HKEY_CURRENT_USER\\K]\n", 3},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K\n", 3},
      {"REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\nstray text\n", 4},
  };
  for (const auto& [bytes, line] : cases) {
    SCOPED_TRACE(bytes);
    Put(bytes);
    const std::string where = File().string() + ":" + std::to_string(line) + ": ";
    for (bool create : {false, true}) {
      try {
        TRegistry().OpenKey("K", create);
        ADD_FAILURE() << "no error";
      } catch (const ERegistryFileError& e) {
        EXPECT_EQ(std::string(e.what()).substr(0, where.size()), where);
        EXPECT_EQ(e.Line(), line);
      }
    }
    EXPECT_EQ(Slurp(File()), bytes);
  }
  // A file spoilt between opening the key and writing the value is not rewritten either.
  Put("REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n");
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("K", false));
  Put("REGEDIT4\n[HKEY_CURRENT_USER\\K]\nbroken\n");
  EXPECT_THROW(reg.WriteInteger("A", 1), ERegistryFileError);
  EXPECT_EQ(Slurp(File()), "REGEDIT4\n[HKEY_CURRENT_USER\\K]\nbroken\n");
}

TEST_F(Registry, ReadOnlyFileOrFolderIsAKeyWithoutFullAccess) {
  WithKey(true, [](TRegistry& r) { r.WriteInteger("A", 1); });
  const std::string before = Slurp(File());
  const fs::path folder = File().parent_path();
  for (const auto& [path, mode] : {std::pair{File(), 0444}, std::pair{folder, 0555}}) {
    SCOPED_TRACE(path);
    ChangeMode(path, static_cast<mode_t>(mode));
    EXPECT_FALSE(TRegistry().OpenKey(kKey, false));
    EXPECT_FALSE(TRegistry().OpenKey(kKey, true));
    EXPECT_FALSE(TRegistry().OpenKey("SOFTWARE\\New", true));
    TRegistry reader(KEY_READ);  // reading alone needs no write access
    ASSERT_TRUE(reader.OpenKey(kKey, false));
    EXPECT_EQ(reader.ReadInteger("A"), 1);
    ChangeMode(path, path == folder ? 0755 : 0644);
  }
  // Write access lost while the key is open: the write fails and changes nothing.
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(kKey, false));
  ChangeMode(File(), 0444);
  EXPECT_EQ(Message([&] { reg.WriteInteger("A", 2); }), "Failed to set data for 'A'");
  EXPECT_EQ(Slurp(File()), before);
  // No folder yet and no right to make one: nothing is created.
  fs::remove_all(folder);
  ChangeMode(home_, 0555);
  EXPECT_FALSE(TRegistry().OpenKey(kKey, true));
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(Registry, RewriteKeepsTheFileModeAndLeavesNoTemporaryFiles) {
  WithKey(true, [](TRegistry& r) { r.WriteInteger("A", 1); });
  ChangeMode(File(), 0640);
  WithKey(true, [](TRegistry& r) { r.WriteInteger("A", 2); });
  EXPECT_EQ(fs::status(File()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  int files = 0;
  for (auto& e : fs::directory_iterator(File().parent_path())) files += e.path() != File() ? 1 : 0;
  EXPECT_EQ(files, 1);  // the lock file only
}

TEST_F(Registry, WholeKeyIsWrittenAtOnceAndAnExistingKeyIsKeptWhenAsked) {
  const std::vector<std::pair<std::string, RegValue>> values = {
      {"B", {REG_DWORD, std::string("\1\0\0\0", 4)}}, {"A", {REG_SZ, std::string("x\0", 2)}}};
  TRegistry reg;
  ASSERT_TRUE(reg.WriteKey("K\\Sub", values, true));
  EXPECT_EQ(reg.ReadString("A"), "x");
  EXPECT_EQ(Slurp(File()),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\n[HKEY_CURRENT_USER\\K\\Sub]\n"
            "\"B\"=dword:00000001\n\"A\"=\"x\"\n\n");
  WithKey(
      false, [](TRegistry& r) { r.WriteInteger("B", 5); }, "K\\Sub");
  ASSERT_TRUE(reg.WriteKey("K\\Sub", values, true));  // a run that came first keeps its key
  EXPECT_EQ(reg.ReadInteger("B"), 5);
  ASSERT_TRUE(reg.WriteKey("K\\Sub", values));
  EXPECT_EQ(reg.ReadInteger("B"), 1);
  EXPECT_FALSE(TRegistry(KEY_READ).WriteKey("K", values));
}

TEST_F(Registry, WritesGoThroughASymbolicLinkAndRemoveStaleTemporaries) {
  const fs::path dotfiles = home_ / "dotfiles";
  fs::create_directories(dotfiles);
  fs::create_directories(File().parent_path());
  std::ofstream(dotfiles / "lunvale.reg") << "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n";
  fs::create_symlink("../dotfiles/lunvale.reg", File());
  for (const fs::path& stale : {dotfiles / ".lunvale.reg.a1b2c3", dotfiles / ".lunvale.reg.Zz9Yy8"})
    std::ofstream(stale) << "left by a killed write";
  std::ofstream(dotfiles / ".lunvale.reg.notes") << "not ours";
  WithKey(
      true, [](TRegistry& r) { r.WriteInteger("A", 1); }, "K");
  EXPECT_TRUE(fs::is_symlink(File()));
  EXPECT_EQ(Slurp(dotfiles / "lunvale.reg"), "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n\"A\"=dword:00000001\n");
  std::vector<std::string> left;
  for (auto& e : fs::directory_iterator(dotfiles)) left.push_back(e.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{".lunvale.reg.notes", "lunvale.reg"}));
}

TEST_F(Registry, ByteOrderMarkIsKeptAndOtherEncodingsAreNamedNeverRewritten) {
  Put("\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n");
  WithKey(
      true, [](TRegistry& r) { r.WriteInteger("A", 1); }, "K");
  EXPECT_EQ(Slurp(File()), "\xEF\xBB\xBFREGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"A\"=dword:00000001\r\n");
  auto utf16 = [](std::string_view text) {
    std::string out = "\xFF\xFE";
    for (char c : text) out += std::string{c, '\0'};
    return out;
  };
  const std::pair<std::string, std::string> cases[] = {
      {utf16("Windows Registry Editor Version 5.00\r\n\r\n"),
       "the file is a \"Windows Registry Editor Version 5.00\" export in UTF-16"},
      {utf16("REGEDIT4\r\n").substr(2), "the file is a \"REGEDIT4\" export in UTF-16"},
      {"\xFE\xFF\0x", "the file is UTF-16 text"},
      {"Windows Registry Editor Version 5.00\n",
       "the file is a \"Windows Registry Editor Version 5.00\" export"},
  };
  for (const auto& [bytes, what] : cases) {
    SCOPED_TRACE(what);
    Put(bytes);
    EXPECT_EQ(Message([] { TRegistry().OpenKey("K", true); }),
              File().string() + ":1: " + what + "; expected a \"REGEDIT4\" export in 8-bit text");
    EXPECT_EQ(Slurp(File()), bytes);
  }
}

TEST_F(Registry, AHeldLockFailsTheWriteAfterABoundedWait) {
  WithKey(true, [](TRegistry& r) { r.WriteInteger("A", 1); });
  const std::string before = Slurp(File());
  int lock = ::open((File().string() + ".lock").c_str(), O_RDWR);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(kKey, false));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Message([&] { reg.WriteInteger("A", 2); }), "Failed to set data for 'A'");
  EXPECT_FALSE(TRegistry().WriteKey("Other", {}));
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::seconds(5));  // two waits of three seconds
  EXPECT_LT(waited, std::chrono::seconds(10));
  ::close(lock);
  EXPECT_EQ(Slurp(File()), before);
}

TEST_F(Registry, TwoProcessesWritingAtOnceKeepBothValues) {
  constexpr int kWrites = 1000;
  WithKey(true, [](TRegistry& r) { r.WriteInteger("Seed", 0); });
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      const std::string name = c == 0 ? "First" : "Second";
      for (int i = 1, failures = 0; i <= kWrites; ++i) {
        TRegistry r;
        if (!r.OpenKey(kKey, true)) ::_exit(2);
        try {
          // The previous write must still be there: the other writer never replaces it with a stale file.
          if (i > 1 && r.ReadInteger(name) != i - 1) ::_exit(4);
          r.WriteInteger(name, i);
        } catch (...) {
          // On a loaded machine the other writer may hold the lock past the bounded wait: that write
          // failed as a whole and is made again. Only a lost or stale value is a fault.
          if (++failures > 20) ::_exit(3);
          --i;
        }
      }
      ::_exit(0);
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  for (pid_t child : children) {
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        ADD_FAILURE() << "writer did not finish in time";
        break;
      }
      // Readers during the writes always see a whole file.
      TRegistry reader;
      EXPECT_NO_THROW(EXPECT_TRUE(reader.OpenKey(kKey, false)));
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  WithKey(false, [&](TRegistry& r) {
    EXPECT_EQ(r.ReadInteger("First"), kWrites);
    EXPECT_EQ(r.ReadInteger("Second"), kWrites);
    EXPECT_EQ(r.ReadInteger("Seed"), 0);
  });
}

}  // namespace
}  // namespace lunvale::platform
