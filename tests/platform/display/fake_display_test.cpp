// SPDX-License-Identifier: MIT
#include "support/fake_display.h"

#include <gtest/gtest.h>

namespace lunvale::platform {
namespace {

using testing::FakeDisplayBackend;
using testing::FakeOp;

// Opens the fake as the engine does: display object, exclusive mode, 1024 x 768 x 32, primary and back.
struct Opened {
  std::shared_ptr<IDirectDraw> dd;
  std::shared_ptr<IDirectDrawSurface> primary, back;
};
Opened Open(FakeDisplayBackend& fake) {
  Opened o;
  EXPECT_EQ(fake.DirectDrawCreate(nullptr, o.dd), DD_OK);
  EXPECT_EQ(o.dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
  EXPECT_EQ(o.dd->SetDisplayMode(1024, 768, 32), DD_OK);
  DDSURFACEDESC desc;
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.dwBackBufferCount = 1;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  EXPECT_EQ(o.dd->CreateSurface(desc, o.primary), DD_OK);
  EXPECT_EQ(o.primary->GetAttachedSurface(DDSCAPS{DDSCAPS_BACKBUFFER}, o.back), DD_OK);
  return o;
}

TEST(FakeDisplay, PlannedFailuresComeAfterTheSuccessesAndForTheirCount) {
  FakeDisplayBackend fake;
  Opened o = Open(fake);
  fake.Faults().Fail(FakeOp::Flip, DDERR_WASSTILLDRAWING, 3, 1);
  EXPECT_EQ(o.primary->Flip(nullptr, 0), DD_OK);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(o.primary->Flip(nullptr, 0), DDERR_WASSTILLDRAWING);
  EXPECT_EQ(o.primary->Flip(nullptr, 0), DD_OK);
  EXPECT_EQ(fake.CountCalls("primary.Flip"), 5);
  EXPECT_EQ(fake.FlipCount(), 2);

  fake.Faults().Fail(FakeOp::SetDisplayMode, DDERR_INVALIDMODE);
  EXPECT_EQ(o.dd->SetDisplayMode(1024, 768, 32), DDERR_INVALIDMODE);
  EXPECT_EQ(o.dd->SetDisplayMode(1024, 768, 32), DDERR_INVALIDMODE);
  fake.Faults().Clear(FakeOp::SetDisplayMode);
  EXPECT_EQ(o.dd->SetDisplayMode(1024, 768, 32), DD_OK);
}

TEST(FakeDisplay, FlipShowsTheBackBufferAndLostSurfacesRestoreWithTheirPrimary) {
  FakeDisplayBackend fake;
  Opened o = Open(fake);
  DDBLTFX fx;
  fx.dwFillColor = 0x336699;
  ASSERT_EQ(o.back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
  ASSERT_EQ(o.primary->Flip(nullptr, 0), DD_OK);
  EXPECT_EQ(fake.Primary()->Pixels().Row(767)[1023], 0x336699u);

  DDSURFACEDESC desc;
  desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  desc.dwWidth = 10;
  desc.dwHeight = 5;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  std::shared_ptr<IDirectDrawSurface> sprite;
  ASSERT_EQ(o.dd->CreateSurface(desc, sprite), DD_OK);
  ASSERT_EQ(fake.Offscreen().size(), 1u);
  EXPECT_EQ(fake.Offscreen()[0]->Name(), "s1");

  fake.LoseAll();
  EXPECT_EQ(o.primary->IsLost(), DDERR_SURFACELOST);
  EXPECT_EQ(o.back->BltFast(0, 0, sprite.get(), nullptr, 0), DDERR_SURFACELOST);
  EXPECT_EQ(o.primary->Flip(nullptr, 0), DDERR_SURFACELOST);
  fake.Primary()->Faults().Fail(FakeOp::Restore, DDERR_WRONGMODE, 1);
  EXPECT_EQ(o.primary->Restore(), DDERR_WRONGMODE);
  EXPECT_EQ(o.primary->Restore(), DD_OK);
  EXPECT_EQ(o.back->IsLost(), DD_OK);
  EXPECT_EQ(sprite->IsLost(), DDERR_SURFACELOST);
  EXPECT_EQ(o.back->BltFast(0, 0, sprite.get(), nullptr, 0), DDERR_SURFACELOST);
  EXPECT_EQ(sprite->Restore(), DD_OK);
  EXPECT_EQ(o.back->BltFast(0, 0, sprite.get(), nullptr, 0), DD_OK);
}

TEST(FakeDisplay, MonitorsEnumerationGammaAndRelease) {
  FakeDisplayBackend fake;
  fake.SetMonitorCount(2);
  EXPECT_EQ(fake.GetSystemMetrics(SM_CMONITORS), 2);
  std::vector<bool> reported;
  auto enumerate = fake.DirectDrawEnumerateExA();
  ASSERT_TRUE(enumerate);
  enumerate([&](const DeviceGuid* g, const std::string&,
                const std::string&) { return reported.push_back(g), true; },
            DDENUM_ATTACHEDSECONDARYDEVICES);
  EXPECT_EQ(reported, (std::vector<bool>{false, true, true}));
  fake.SetEnumerationMissing(true);
  EXPECT_FALSE(fake.DirectDrawEnumerateExA());

  {
    Opened o = Open(fake);
    EXPECT_TRUE(fake.DisplayOpen());
    std::shared_ptr<IDirectDrawGammaControl> gamma;
    ASSERT_EQ(o.primary->QueryGammaControl(gamma), DD_OK);
    DDGAMMARAMP ramp;
    ramp.red[255] = 32640;
    fake.Faults().Fail(FakeOp::SetGammaRamp, DDERR_GENERIC, 1);
    EXPECT_EQ(gamma->SetGammaRamp(0, &ramp), DDERR_GENERIC);
    EXPECT_EQ(gamma->SetGammaRamp(0, &ramp), DD_OK);
    EXPECT_EQ(fake.GammaRamp().red[255], 32640);
    fake.SetGammaSupported(false);
    DDCAPS caps;
    ASSERT_EQ(o.dd->GetCaps(&caps, nullptr), DD_OK);
    EXPECT_EQ(caps.dwCaps2 & DDCAPS2_PRIMARYGAMMA, 0u);
    o.back.reset();
    o.primary.reset();
  }
  EXPECT_FALSE(fake.DisplayOpen());
  EXPECT_EQ(fake.GammaRamp().red[255], 65535);
  ASSERT_TRUE(fake.LastRampSet().has_value());
  const auto calls = fake.Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls.back(), "Release(DirectDraw)");
}

}  // namespace
}  // namespace lunvale::platform
