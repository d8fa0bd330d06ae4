// SPDX-License-Identifier: MIT
#include "host/xscreensaver_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/process.h"

namespace lunvale::host {
namespace {

using testing::ReadFile;
using testing::TempDir;

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// As XScreenSaver's app-defaults and its own init files write the list.
const std::string kDefaults =
    "*mode:\t\t\trandom\n"
    "*programs:\t\t\t\t      \\\n"
    "\t\t\t\tmaze --root\t\t\t    \\n\\\n"
    "- GL: \t\t\t\tsuperquadrics --root\t\t\t    \\n\\\n"
    "\t\t\t\tqix --root\t\t\t    \\n\n"
    "\n*pointerHysteresis:\t10\n";

TEST(XScreenSaverList, AddingAndRemovingKeepEveryOtherLine) {
  const struct {
    const char* name;
    std::string before, added, removed;  // removed: as before when empty
  } cases[] = {
      {"a list on many lines", "mode: one\nprograms: \\\n  maze -root \\n\\\n  qix -root \\n\nlock: False\n",
       "mode: one\nprograms: \\\n\t\t\t\tlunvale -root\t\t\t\t    \\n\\\n  maze -root \\n\\\n  qix -root "
       "\\n\nlock: False\n",
       ""},
      {"a list on its key's line", "programs: maze -root\n",
       "programs: maze -root \\n\\\n\t\t\t\tlunvale -root\t\t\t\t    \\n\n", "programs: maze -root \\n\n"},
      {"an empty list", "programs:\n", "programs: \\\n\t\t\t\tlunvale -root\t\t\t\t    \\n\n",
       "programs: \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool changed = false;
    const std::string added = AddToProgramsList(c.before, changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(added, c.added);
    EXPECT_EQ(AddToProgramsList(added, changed), added);
    EXPECT_FALSE(changed);
    EXPECT_EQ(RemoveFromProgramsList(added, changed), c.removed.empty() ? c.before : c.removed);
    EXPECT_TRUE(changed);
  }
  // Already there in any of an entry's forms, disabled too, and taken out in all of them; a line that
  // only mentions the name stays.
  const std::string listed =
      "programs: \\\n- \"Lake\" GL: /usr/bin/lunvale -root \\n\\\n  lunvalex -root \\n\\\n  lunvale\\n\n";
  bool changed = false;
  EXPECT_EQ(AddToProgramsList(listed, changed), listed);
  EXPECT_FALSE(changed);
  EXPECT_EQ(RemoveFromProgramsList(listed, changed), "programs: \\\n  lunvalex -root \\n\n");
  EXPECT_THROW(AddToProgramsList("mode: one\nprogramsX: maze\n", changed), std::runtime_error);
}

TEST(XScreenSaverList, TheInitFileIsMadeFromTheDefaultsThenEditedWithABackup) {
  TempDir dir;
  const std::string path = dir.Path() + "/.xscreensaver";
  const std::string defaults = dir.Path() + "/XScreenSaver";
  std::ostringstream out;
  // No defaults anywhere: nothing is made.
  EXPECT_THROW(AddToXScreenSaver(path, {defaults}, out), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(path));

  Write(defaults, kDefaults);
  AddToXScreenSaver(path, {dir.Path() + "/none", defaults}, out);
  const std::string made = ReadFile(path);
  EXPECT_NE(made.find("\nprograms:\t\t\t\t      \\\n\t\t\t\tlunvale -root"), std::string::npos) << made;
  EXPECT_NE(made.find("\t\t\t\tqix --root\t\t\t    \\n\n"), std::string::npos) << made;
  EXPECT_EQ(made.find("mode"), std::string::npos) << "only the list is the user's own";
  EXPECT_FALSE(std::filesystem::exists(path + ".bak"));

  // Again: nothing changes, no backup.
  AddToXScreenSaver(path, {defaults}, out);
  EXPECT_EQ(ReadFile(path), made);
  EXPECT_FALSE(std::filesystem::exists(path + ".bak"));

  // A file the user has edited: the old one is kept, the mode bits too.
  const std::string edited = "# mine\nprograms: \\\n  maze -root \\n\\\n  qix -root \\n\ndpmsEnabled: True\n";
  Write(path, edited);
  std::filesystem::permissions(path,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  AddToXScreenSaver(path, {defaults}, out);
  EXPECT_EQ(ReadFile(path + ".bak"), edited);
  EXPECT_NE(ReadFile(path).find("lunvale -root"), std::string::npos);
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  RemoveFromXScreenSaver(path, out);
  EXPECT_EQ(ReadFile(path), edited);
  EXPECT_NE(out.str().find("already in the list"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("Removed"), std::string::npos) << out.str();

  // A file without a list is left as it was.
  Write(path, "mode: off\n");
  EXPECT_THROW(AddToXScreenSaver(path, {defaults}, out), std::runtime_error);
  EXPECT_EQ(ReadFile(path), "mode: off\n");
}

}  // namespace
}  // namespace lunvale::host
