// SPDX-License-Identifier: MIT
// The environment through the C runtime, which keeps Windows' own block in step; the settings live in
// the registry, so a test's own settings are a scratch key that HKEY_CURRENT_USER stands for.
#include <cstdlib>
#include <random>
#include <sstream>
#include <stdexcept>

#include "support/scratch.h"

#include "platform/win32/windows_api.h"

namespace lunvale::testing {

namespace {

constexpr char kParent[] = "Software\\Lunvale tests";

}  // namespace

void SetEnv(const char* name, const std::string& value) {
  ::_putenv_s(name, value.c_str());
}

void UnsetEnv(const char* name) {
  ::_putenv_s(name, "");
}

// ShellExecute hands addresses to the desktop's own browser, which a test cannot swap for a recorder.
std::optional<ScopedEnv> BrowserStandIn(const std::string&, const std::string&) {
  return std::nullopt;
}

const char* PlatformReferences() {
  return "win32/";
}

ScratchSettings::ScratchSettings() {
  std::random_device seed;
  std::ostringstream name;
  name << kParent << "\\" << std::hex << seed() << seed();
  key_ = name.str();
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("no scratch registry key could be made");
  // The system keeps its own handle to the key for the override.
  const LONG rc = ::RegOverridePredefKey(HKEY_CURRENT_USER, key);
  ::RegCloseKey(key);
  if (rc != ERROR_SUCCESS) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
    throw std::runtime_error("HKEY_CURRENT_USER could not be redirected");
  }
}

ScratchSettings::~ScratchSettings() {
  ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kParent);  // only once no other test's key is left in it
}

}  // namespace lunvale::testing
