// SPDX-License-Identifier: MIT
#include "platform/display/direct_draw.h"

#include <gtest/gtest.h>

#include <memory>

namespace lunvale::platform {
namespace {

// A surface whose pixel (x, y) holds a colour made from its coordinates, never 0.
std::shared_ptr<MemorySurface> Pattern(int w, int h) {
  auto s = std::make_shared<MemorySurface>(w, h);
  const PixelView v = s->Pixels();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      v.Row(y)[x] = Rgb(static_cast<uint8_t>(x + 1), static_cast<uint8_t>(y + 1), 7);
  return s;
}

void Fill(MemorySurface& s, uint32_t colour) {
  DDBLTFX fx;
  fx.dwFillColor = colour;
  ASSERT_EQ(s.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
}

TEST(DDrawResults, ErrorTableNamesAndValues) {
  EXPECT_EQ(static_cast<uint32_t>(DDERR_WASSTILLDRAWING), 0x8876021Cu);
  EXPECT_EQ(static_cast<uint32_t>(DDERR_SURFACELOST), 0x887601C2u);
  EXPECT_EQ(static_cast<uint32_t>(DDERR_INVALIDRECT), 0x88760096u);
  EXPECT_STREQ(DDErrorName(MakeResult(0x88760037u)), "DDERR_EXCEPTION");
  EXPECT_STREQ(DDErrorName(MakeResult(0x80004005u)), "DDERR_GENERIC");
  EXPECT_STREQ(DDErrorName(MakeResult(0x88760082u)), "DDERR_INVALIDOBJECT");
  EXPECT_STREQ(DDErrorName(MakeResult(0x80070057u)), "DERR_INVALIDPARAMS");
  EXPECT_STREQ(DDErrorName(MakeResult(0x88760096u)), "DDERR_INVALIDRECT");
  EXPECT_STREQ(DDErrorName(MakeResult(0x8876023Fu)), "DDERR_NOBLTHW");
  EXPECT_STREQ(DDErrorName(MakeResult(0x887601AEu)), "DDERR_SURFACEBUSY");
  EXPECT_STREQ(DDErrorName(MakeResult(0x80004001u)), "DDERR_UNSUPPORTED");
  EXPECT_STREQ(DDErrorName(DDERR_SURFACELOST), "");
  EXPECT_STREQ(DDErrorName(DD_OK), "");
}

TEST(MemorySurface, StartsBlackAndColourFillCoversWholeSurfaceOrRectangle) {
  MemorySurface s(5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(s.Pixels().Row(y)[x], 0u);
  Fill(s, 0x123456);
  DDBLTFX fx;
  fx.dwFillColor = 0;
  const RECT r{1, 1, 3, 2};
  ASSERT_EQ(s.Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(s.Pixels().Row(y)[x], (y == 1 && (x == 1 || x == 2)) ? 0u : 0x123456u) << x << "," << y;
  const RECT outside{3, 0, 6, 1};
  EXPECT_EQ(s.Blt(&outside, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDRECT);
  EXPECT_EQ(s.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);
}

TEST(MemorySurface, OpaqueBltFastCopiesTheRectangleToThePointOverAFill) {
  // The fill before the copy shows wherever the copy does not reach (a frame's clear, then its
  // background picture).
  for (const uint32_t fill : {0x00C0FFEEu, 0x01010101u}) {
    auto src = Pattern(8, 6);
    MemorySurface dst(10, 10);
    Fill(dst, fill);
    const RECT r{2, 1, 6, 4};
    ASSERT_EQ(dst.BltFast(3, 5, src.get(), &r, DDBLTFAST_NOCOLORKEY), DD_OK);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        const bool inside = x >= 3 && x < 7 && y >= 5 && y < 8;
        const uint32_t want = inside ? src->Pixels().Row(y - 5 + 1)[x - 3 + 2] : fill;
        EXPECT_EQ(dst.Pixels().Row(y)[x], want) << x << "," << y;
      }
  }
}

TEST(MemorySurface, KeyedBltFastSkipsExactlyTheKeyRange) {
  MemorySurface src(4, 1);
  const uint32_t row[4] = {0x000000, 0x000001, 0xFFFFFF, 0x808080};
  std::copy(row, row + 4, src.Pixels().Row(0));
  MemorySurface dst(4, 1);

  // Key 0: pure black is transparent, near-black is drawn.
  DDCOLORKEY black{0, 0};
  ASSERT_EQ(src.SetColorKey(DDCKEY_SRCBLT, &black), DD_OK);
  Fill(dst, 0x112233);
  ASSERT_EQ(dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
  EXPECT_EQ(dst.Pixels().Row(0)[0], 0x112233u);
  EXPECT_EQ(dst.Pixels().Row(0)[1], 0x000001u);
  EXPECT_EQ(dst.Pixels().Row(0)[2], 0xFFFFFFu);

  // A white key (a frame whose top-left pixel is white) keeps black.
  DDCOLORKEY white{0xFFFFFF, 0xFFFFFF};
  ASSERT_EQ(src.SetColorKey(DDCKEY_SRCBLT, &white), DD_OK);
  Fill(dst, 0x112233);
  ASSERT_EQ(dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
  EXPECT_EQ(dst.Pixels().Row(0)[0], 0u);
  EXPECT_EQ(dst.Pixels().Row(0)[2], 0x112233u);

  // A range skips everything between its ends.
  DDCOLORKEY range{0x000000, 0x000001};
  ASSERT_EQ(src.SetColorKey(DDCKEY_SRCBLT, &range), DD_OK);
  Fill(dst, 0x112233);
  ASSERT_EQ(dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
  EXPECT_EQ(dst.Pixels().Row(0)[0], 0x112233u);
  EXPECT_EQ(dst.Pixels().Row(0)[1], 0x112233u);
  EXPECT_EQ(dst.Pixels().Row(0)[3], 0x808080u);

  // Without the flag the key is kept but not applied.
  Fill(dst, 0x112233);
  ASSERT_EQ(dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
  EXPECT_EQ(dst.Pixels().Row(0)[0], 0u);
  ASSERT_TRUE(src.SourceColorKey().has_value());
  EXPECT_EQ(src.SourceColorKey()->dwColorSpaceHighValue, 1u);
  EXPECT_EQ(src.SetColorKey(2 /* destination key */, &range), DDERR_UNSUPPORTED);
}

TEST(MemorySurface, KeyedBlitOfWideRowsMatchesAPixelByPixelReference) {
  // Wide enough for the vectorised loops and their tails; a single key and a range.
  const int w = 1027;
  MemorySurface src(w, 1), dst(w, 1);
  for (int x = 0; x < w; ++x)
    src.Pixels().Row(0)[x] = (x % 3 == 0) ? static_cast<uint32_t>(x % 5) : (x * 2654435761u) & 0xFFFFFF;
  for (const DDCOLORKEY key : {DDCOLORKEY{0, 0}, DDCOLORKEY{1, 3}}) {
    Fill(dst, 0x00ABCDEF);
    src.SetColorKey(DDCKEY_SRCBLT, &key);
    ASSERT_EQ(dst.BltFast(0, 0, &src, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    for (int x = 0; x < w; ++x) {
      const uint32_t s = src.Pixels().Row(0)[x];
      const bool skipped = s >= key.dwColorSpaceLowValue && s <= key.dwColorSpaceHighValue;
      ASSERT_EQ(dst.Pixels().Row(0)[x], skipped ? 0x00ABCDEFu : s)
          << x << " key " << key.dwColorSpaceHighValue;
    }
  }
}

TEST(MemorySurface, BltFastAtTheEdgesIsExactAndOutsideIsRefused) {
  auto src = Pattern(100, 50);
  MemorySurface dst(1024, 768);
  // The clipped background: 1023 x 767 at (0, 0) leaves the last column and row alone.
  auto big = Pattern(1024, 768);
  const RECT clipped{0, 0, 1023, 767};
  ASSERT_EQ(dst.BltFast(0, 0, big.get(), &clipped, 0), DD_OK);
  EXPECT_EQ(dst.Pixels().Row(766)[1022], big->Pixels().Row(766)[1022]);
  EXPECT_EQ(dst.Pixels().Row(767)[5], 0u);
  EXPECT_EQ(dst.Pixels().Row(5)[1023], 0u);

  // One column at x = 1022, and a sprite cut at the left.
  const RECT one{0, 0, 1, 50};
  EXPECT_EQ(dst.BltFast(1022, 0, src.get(), &one, 0), DD_OK);
  const RECT left{10, 0, 100, 50};
  EXPECT_EQ(dst.BltFast(0, 100, src.get(), &left, 0), DD_OK);
  EXPECT_EQ(dst.Pixels().Row(100)[0], src->Pixels().Row(0)[10]);
  // Touching the far corner exactly is allowed.
  EXPECT_EQ(dst.BltFast(924, 718, src.get(), nullptr, 0), DD_OK);

  const uint32_t before = dst.Pixels().Row(767)[1023];
  EXPECT_EQ(dst.BltFast(925, 0, src.get(), nullptr, 0), DDERR_INVALIDRECT);
  EXPECT_EQ(dst.BltFast(0, 719, src.get(), nullptr, 0), DDERR_INVALIDRECT);
  EXPECT_EQ(dst.BltFast(-1, 0, src.get(), nullptr, 0), DDERR_INVALIDRECT);
  const RECT beyond{0, 0, 101, 50};
  EXPECT_EQ(dst.BltFast(0, 0, src.get(), &beyond, 0), DDERR_INVALIDRECT);
  const RECT negative{-1, 0, 5, 5};
  EXPECT_EQ(dst.BltFast(0, 0, src.get(), &negative, 0), DDERR_INVALIDRECT);
  const RECT inverted{5, 0, 4, 5};
  EXPECT_EQ(dst.BltFast(0, 0, src.get(), &inverted, 0), DDERR_INVALIDRECT);
  EXPECT_EQ(dst.Pixels().Row(767)[1023], before);
  EXPECT_EQ(dst.BltFast(0, 0, nullptr, nullptr, 0), DDERR_INVALIDOBJECT);
}

TEST(MemorySurface, OverlappingBlitWithinOneSurfaceReadsBeforeItWrites) {
  auto s = Pattern(4, 6);
  const uint32_t first = s->Pixels().Row(0)[0], third = s->Pixels().Row(2)[0];
  const RECT top{0, 0, 4, 4};
  ASSERT_EQ(s->BltFast(0, 2, s.get(), &top, 0), DD_OK);
  EXPECT_EQ(s->Pixels().Row(2)[0], first);
  EXPECT_EQ(s->Pixels().Row(4)[0], third);
}

TEST(MemorySurface, LockGivesTheRectangleViewAndExcludesDeviceContexts) {
  auto s = Pattern(8, 8);
  SurfaceLock lock;
  const RECT r{2, 3, 6, 5};
  ASSERT_EQ(s->Lock(&r, &lock, 0), DD_OK);
  EXPECT_EQ(lock.bits_per_pixel, 32);
  EXPECT_EQ(lock.view.width, 4);
  EXPECT_EQ(lock.view.height, 2);
  EXPECT_EQ(lock.view.Row(1)[0], s->Pixels().Row(4)[2]);
  SurfaceLock again;
  EXPECT_EQ(s->Lock(nullptr, &again, 0), DDERR_SURFACEBUSY);
  DeviceContext* dc = nullptr;
  EXPECT_EQ(s->GetDC(&dc), DDERR_SURFACEBUSY);
  EXPECT_EQ(dc, nullptr);
  ASSERT_EQ(s->Unlock(nullptr), DD_OK);
  EXPECT_EQ(s->Unlock(nullptr), DDERR_NOTLOCKED);
  ASSERT_EQ(s->Lock(nullptr, &lock, 0), DD_OK);
  EXPECT_EQ(lock.view.pixels, s->Pixels().pixels);
  EXPECT_EQ(lock.view.width, 8);
  s->Unlock(nullptr);
}

TEST(MemorySurface, OneDeviceContextAtATimeDrawingIntoTheSurface) {
  MemorySurface s(6, 3);
  DeviceContext* dc = nullptr;
  ASSERT_EQ(s.GetDC(&dc), DD_OK);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(dc->Target().pixels, s.Pixels().pixels);
  EXPECT_EQ(dc->Target().width, 6);
  DeviceContext* second = nullptr;
  EXPECT_EQ(s.GetDC(&second), DDERR_DCALREADYCREATED);
  EXPECT_TRUE(s.Busy());
  EXPECT_EQ(s.ReleaseDC(nullptr), DDERR_INVALIDPARAMS);
  ASSERT_EQ(s.ReleaseDC(dc), DD_OK);
  EXPECT_FALSE(s.Busy());
  EXPECT_EQ(s.ReleaseDC(dc), DDERR_INVALIDPARAMS);
  ASSERT_EQ(s.GetDC(&second), DD_OK);
  s.ReleaseDC(second);
}

TEST(MemorySurface, IsNeverLostAndHasNoFlipChainOrGammaControl) {
  MemorySurface s(2, 2);
  EXPECT_EQ(s.IsLost(), DD_OK);
  EXPECT_EQ(s.Restore(), DD_OK);
  EXPECT_EQ(s.Flip(nullptr, 0), DDERR_NOTFLIPPABLE);
  std::shared_ptr<IDirectDrawSurface> back;
  EXPECT_EQ(s.GetAttachedSurface(DDSCAPS{DDSCAPS_BACKBUFFER}, back), DDERR_NOTFOUND);
  std::shared_ptr<IDirectDrawGammaControl> gamma;
  EXPECT_EQ(s.QueryGammaControl(gamma), E_NOINTERFACE);
  EXPECT_EQ(gamma, nullptr);
}

}  // namespace
}  // namespace lunvale::platform
