// SPDX-License-Identifier: MIT
#include "platform/media/display_sound.h"

#include <gtest/gtest.h>

#include "support/process.h"

namespace lunvale::platform {
namespace {

TEST(DisplaySoundClaim, TheScreensOfOneDisplayShareOneLock) {
  const struct {
    const char *x, *wayland, *file;
  } cases[] = {
      {":0", nullptr, "/r/lunvale-sound-:0.lock"},
      {":0.1", "wayland-0", "/r/lunvale-sound-:0.lock"},
      {"host.example:10.0", nullptr, "/r/lunvale-sound-host.example:10.lock"},
      {"/tmp/.X11-unix/X0", nullptr, "/r/lunvale-sound-_tmp_.X11-unix_X0.lock"},
      {"", "wayland-1", "/r/lunvale-sound-wayland-1.lock"},
      {nullptr, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x != nullptr ? c.x : "(unset)");
    EXPECT_EQ(DisplaySoundLockFile("/r", c.x, c.wayland), c.file);
  }
}

TEST(DisplaySoundClaim, OnlyTheFirstClaimHoldsUntilItIsReleased) {
  testing::TempDir runtime;
  testing::ScopedEnv folder("XDG_RUNTIME_DIR", runtime.Path());
  testing::ScopedEnv display("DISPLAY", ":77.0");
  DisplaySoundClaim first, second;
  EXPECT_TRUE(first.Claim());
  EXPECT_TRUE(first.Claim());
  {
    testing::ScopedEnv screen("DISPLAY", ":77.1");
    EXPECT_FALSE(second.Claim());
  }
  first.Release();
  EXPECT_TRUE(second.Claim());
  // Nothing to share a sound with: no display named.
  testing::ScopedEnv none("DISPLAY", "");
  testing::ScopedEnv no_wayland("WAYLAND_DISPLAY", "");
  EXPECT_TRUE(first.Claim());
}

}  // namespace
}  // namespace lunvale::platform
