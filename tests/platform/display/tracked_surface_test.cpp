// SPDX-License-Identifier: MIT
#include "platform/display/tracked_surface.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace lunvale::platform {
namespace {

// One drawing call, made the same way on the tracked surface and on a plain one.
struct Step {
  enum Kind { kFill, kCopy, kText, kClippedText, kPixel, kReadPixel } kind;
  int x, y, w, h, source;
  uint32_t color;
  std::string text;
};

void Apply(const Step& s, IDirectDrawSurface& to, const std::vector<std::shared_ptr<MemorySurface>>& sources,
           std::vector<uint32_t>& reads) {
  if (s.kind == Step::kFill) {
    DDBLTFX fx;
    fx.dwFillColor = s.color;
    const RECT r{s.x, s.y, s.x + s.w, s.y + s.h};
    ASSERT_EQ(to.Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    return;
  }
  if (s.kind == Step::kCopy) {
    const RECT from{1, 2, 1 + s.w, 2 + s.h};
    ASSERT_EQ(to.BltFast(s.x, s.y, sources[static_cast<size_t>(s.source)].get(), &from,
                         s.color != 0 ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY),
              DD_OK);
    return;
  }
  DeviceContext* dc = nullptr;
  ASSERT_EQ(to.GetDC(&dc), DD_OK);
  dc->SetBkMode(s.w % 2 == 0 ? TRANSPARENT : OPAQUE);
  dc->SetBkColor(0x203040);
  dc->SetTextColor(s.color);
  const Rect clip{s.x + 3, s.y + 2, s.x + 3 + s.w, s.y + 2 + s.h};
  if (s.kind == Step::kText) dc->TextOut(s.x, s.y, s.text);
  if (s.kind == Step::kClippedText)
    dc->ExtTextOut(s.x, s.y, ETO_CLIPPED | ETO_OPAQUE, &clip, s.text.data(), static_cast<int>(s.text.size()));
  if (s.kind == Step::kPixel) dc->SetPixel(s.x, s.y, s.color);
  if (s.kind == Step::kReadPixel) reads.push_back(dc->GetPixel(s.x, s.y));
  ASSERT_EQ(to.ReleaseDC(dc), DD_OK);
}

// Frames of random calls, each frame mostly the one before with a few changes (moved, other source, other
// text, calls added and dropped, sources repainted between frames): the tracked surface must end every frame
// with the very pixels of a surface that draws everything, tell every pixel that changed, and read back the
// same pixels within the frame. Frames with text begin by covering the whole surface, since text blends over
// what is there.
TEST(TrackedSurface, EachFrameEqualsDrawingEverythingAndTellsWhatChanged) {
  constexpr int kW = 75, kH = 53;  // not a whole number of tiles
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    std::vector<std::shared_ptr<MemorySurface>> sources;
    for (int i = 0; i < 3; ++i) {
      sources.push_back(std::make_shared<MemorySurface>(40, 30));
      const DDCOLORKEY key{0, 0};
      sources.back()->SetColorKey(DDCKEY_SRCBLT, &key);
    }
    auto repaint = [&](MemorySurface& s) {
      SurfaceLock lock;
      ASSERT_EQ(s.Lock(nullptr, &lock, 0), DD_OK);
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) lock.view.Row(y)[x] = pick(4) == 0 ? 0u : rng() & 0xFFFFFF;
      s.Unlock(nullptr);
    };
    for (auto& s : sources) repaint(*s);
    // Text only where frames begin by covering everything.
    const std::vector<Step::Kind> kinds =
        seed % 2 == 0 ? std::vector{Step::kFill,        Step::kCopy,  Step::kCopy,     Step::kText,
                                    Step::kClippedText, Step::kPixel, Step::kReadPixel}
                      : std::vector{Step::kFill, Step::kCopy, Step::kCopy, Step::kPixel, Step::kReadPixel};
    auto random_step = [&]() {
      Step s{kinds[static_cast<size_t>(pick(static_cast<int>(kinds.size())))],
             pick(kW - 10),
             pick(kH - 10),
             1 + pick(10),
             1 + pick(10),
             pick(3),
             static_cast<uint32_t>(pick(2) == 0 ? 0 : rng() & 0xFFFFFF),
             std::string(1 + pick(4), static_cast<char>('A' + pick(26)))};
      if (s.kind == Step::kCopy) {
        s.w = 1 + pick(std::min(39, kW - s.x));
        s.h = 1 + pick(std::min(28, kH - s.y));
      }
      if (s.kind == Step::kFill) {
        s.w = 1 + pick(kW - s.x);
        s.h = 1 + pick(kH - s.y);
      }
      return s;
    };
    auto tracked = std::make_shared<TrackedSurface>(kW, kH);
    auto plain = std::make_shared<MemorySurface>(kW, kH);
    std::vector<Step> frame;
    for (int i = 0; i < 8; ++i) frame.push_back(random_step());
    std::vector<uint32_t> before(static_cast<size_t>(kW) * kH, 0u);
    for (int n = 0; n < 30; ++n) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " frame " + std::to_string(n));
      for (int changes = pick(4); changes > 0; --changes) {
        const size_t i = static_cast<size_t>(pick(static_cast<int>(frame.size())));
        switch (pick(5)) {
          case 0:
            frame[i] = random_step();
            break;
          case 1:
            frame[i].x = std::max(0, frame[i].x - 1);
            break;
          case 2:
            if (frame.size() < 14) frame.insert(frame.begin() + static_cast<long>(i), random_step());
            break;
          case 3:
            if (frame.size() > 2) frame.erase(frame.begin() + static_cast<long>(i));
            break;
          default:
            repaint(*sources[static_cast<size_t>(pick(3))]);
        }
      }
      if (seed % 2 == 0) frame.front() = Step{Step::kFill, 0, 0, kW, kH, 0, static_cast<uint32_t>(n % 3), ""};
      std::vector<uint32_t> reads_tracked, reads_plain;
      for (const Step& s : frame) {
        Apply(s, *tracked, sources, reads_tracked);
        Apply(s, *plain, sources, reads_plain);
      }
      EXPECT_EQ(reads_tracked, reads_plain);
      const std::vector<RECT> changed = tracked->FinishFrame();
      const PixelView got = tracked->Frame();
      const PixelView want = plain->Pixels();
      for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
          ASSERT_EQ(got.Row(y)[x], want.Row(y)[x]) << x << "," << y;
          uint32_t& last = before[static_cast<size_t>(y) * kW + x];
          if (last != want.Row(y)[x]) {
            bool told = false;
            for (const RECT& r : changed) told |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            ASSERT_TRUE(told) << "changed but not told: " << x << "," << y;
          }
          last = want.Row(y)[x];
        }
    }
  }
}

// Reaching the memory (a lock, here) brings the frame up to date and counts it as changed everywhere;
// a frame that draws nothing new changes nothing.
TEST(TrackedSurface, DirectAccessCountsTheWholeFrameAndAnUnchangedFrameNothing) {
  auto source = std::make_shared<MemorySurface>(8, 8);
  DDBLTFX fx;
  fx.dwFillColor = 0x123456;
  source->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
  TrackedSurface s(40, 40);
  auto draw = [&] {
    fx.dwFillColor = 0;
    s.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    s.BltFast(20, 20, source.get(), nullptr, DDBLTFAST_NOCOLORKEY);
  };
  draw();
  ASSERT_EQ(s.FinishFrame().size(), 1u);
  draw();
  EXPECT_TRUE(s.FinishFrame().empty());
  draw();
  SurfaceLock lock;
  ASSERT_EQ(s.Lock(nullptr, &lock, 0), DD_OK);
  EXPECT_EQ(lock.view.Row(20)[20], 0x123456u);
  lock.view.Row(0)[0] = 0xFFFFFF;
  s.Unlock(nullptr);
  const std::vector<RECT> changed = s.FinishFrame();
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].right - changed[0].left, 40);
  EXPECT_EQ(changed[0].bottom - changed[0].top, 40);
  // The next frame cannot take the written one as known: it draws over the write again.
  draw();
  EXPECT_FALSE(s.FinishFrame().empty());
  EXPECT_EQ(s.Frame().Row(0)[0], 0u);
}

// What a frame tells is only what its differing calls reach, less the tiles that equal calls after them
// draw over wholly: an opaque copy, or a keyed one with no keyed pixel on the tile.
TEST(TrackedSurface, TellsOnlyWhatDifferingCallsReachAndLaterCallsLeaveShowing) {
  auto cover = std::make_shared<MemorySurface>(32, 32);
  DDBLTFX fx;
  fx.dwFillColor = 0x405060;
  cover->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
  const DDCOLORKEY key{0, 0};
  cover->SetColorKey(DDCKEY_SRCBLT, &key);
  SurfaceLock lock;
  ASSERT_EQ(cover->Lock(nullptr, &lock, 0), DD_OK);
  lock.view.Row(20)[5] = 0;  // a keyed pixel on tile (0, 1)
  cover->Unlock(nullptr);
  struct Case {
    bool over;  // a copy over a 5 x 5 fill that moves one pixel to the right
    uint32_t flags;
    int y;  // the fill's top
    bool told;
  };
  for (const Case c :
       {Case{false, 0, 5, true}, Case{true, DDBLTFAST_NOCOLORKEY, 5, false},
        Case{true, DDBLTFAST_SRCCOLORKEY, 5, false}, Case{true, DDBLTFAST_SRCCOLORKEY, 17, true}}) {
    SCOPED_TRACE(testing::Message() << "over " << c.over << " flags " << c.flags << " y " << c.y);
    TrackedSurface s(48, 48);
    for (int x = 3; x <= 4; ++x) {
      fx.dwFillColor = 0;
      s.Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
      fx.dwFillColor = 0xFFFFFF;
      const RECT small{x, c.y, x + 5, c.y + 5};
      s.Blt(&small, nullptr, nullptr, DDBLT_COLORFILL, &fx);
      if (c.over) s.BltFast(0, 0, cover.get(), nullptr, c.flags);
      if (x == 3) s.FinishFrame();
    }
    const std::vector<RECT> told = s.FinishFrame();
    ASSERT_EQ(told.size(), c.told ? 1u : 0u);
    if (c.told) {  // just the fill's two places, not their tile
      EXPECT_TRUE(told[0].left == 3 && told[0].top == c.y && told[0].right == 9 && told[0].bottom == c.y + 5);
    }
  }
}

}  // namespace
}  // namespace lunvale::platform
