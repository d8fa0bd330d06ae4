// SPDX-License-Identifier: MIT
#pragma once

// Scratch folders, environment variables and settings of a test's own, on both platforms. The
// environment and the settings differ: environment.cpp (POSIX, settings under $XDG_CONFIG_HOME) and
// environment_win32.cpp (the C runtime's environment, settings under a scratch registry key).

#include <filesystem>
#include <optional>
#include <string>

namespace lunvale::testing {

// A new empty folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);

// An empty value sets the variable to "" where the system allows it; Windows' runtime removes it.
void SetEnv(const char* name, const std::string& value);
void UnsetEnv(const char* name);

// The folder under tests/reference_pictures/ that holds this platform's drawings of text, whose glyphs
// differ between FreeType and GDI: "" on Linux, "win32/" on Windows.
const char* PlatformReferences();

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A browser stand-in on the search path that appends each address it is asked to open to `record`,
// while the result lives; none (nothing is opened) where the desktop's launcher cannot be replaced.
std::optional<ScopedEnv> BrowserStandIn(const std::string& folder, const std::string& record);

// Empty per-user settings for as long as it lives, for this process and its threads: a scratch
// $XDG_CONFIG_HOME on Linux, HKEY_CURRENT_USER redirected to a scratch key on Windows. Folder() is a
// scratch folder on both, for files the test keeps beside the settings.
class ScratchSettings {
 public:
  ScratchSettings();
  ~ScratchSettings();
  ScratchSettings(const ScratchSettings&) = delete;
  ScratchSettings& operator=(const ScratchSettings&) = delete;
  std::filesystem::path Folder() const { return folder_.Path(); }

 private:
  TempDir folder_;
  std::optional<ScopedEnv> home_;
  std::string key_;
};

}  // namespace lunvale::testing
