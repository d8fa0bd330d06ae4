// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <thread>
#include <vector>

#include "platform/text/code_page.h"
#include "platform/text/device_context.h"

namespace lunvale::platform {
namespace {

constexpr uint32_t kGuard = 0x00123456;

// A view into the middle of a larger buffer, so that a write outside the view lands on guard
// pixels where it can be seen.
struct Canvas {
  static constexpr int kBorder = 64;
  int width, height, pitch;
  std::vector<uint32_t> memory;
  PixelView view;

  Canvas(int w, int h, uint32_t fill = 0)
      : width(w),
        height(h),
        pitch(w + 2 * kBorder),
        memory(static_cast<size_t>(pitch) * (h + 2 * kBorder), kGuard) {
    view = {memory.data() + kBorder * pitch + kBorder, w, h, pitch};
    for (int y = 0; y < h; ++y) std::fill_n(view.Row(y), w, fill);
  }
  uint32_t At(int x, int y) const { return view.Row(y)[x]; }
  bool GuardIntact() const {
    for (int y = -kBorder; y < height + kBorder; ++y)
      for (int x = -kBorder; x < width + kBorder; ++x)
        if ((x < 0 || y < 0 || x >= width || y >= height) && view.Row(y)[x] != kGuard) return false;
    return true;
  }
  // Bounding box of the pixels that are no longer `background`; empty when none.
  Rect Lit(uint32_t background) const {
    Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (At(x, y) != background) {
          box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                 std::max(box.bottom, y + 1)};
        }
    return box.left == INT_MAX ? Rect{} : box;
  }
  int CountNot(uint32_t background) const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) n += At(x, y) != background;
    return n;
  }
};

FontHandle Arial(int height, int weight = FW_BOLD) {
  FontHandle font = Font::Create("Arial", height, weight);
  EXPECT_NE(font, nullptr);
  return font;
}

TEST(Font, FaceNamesMapToInstalledFacesWithTheAskedHeight) {
  FontHandle arial = Arial(22);
  ASSERT_NE(arial, nullptr);
  EXPECT_EQ(arial->Family(), "Liberation Sans");  // metric-compatible stand-in
  EXPECT_EQ(arial->CellHeight(), 22);             // a positive height is the cell
  EXPECT_EQ(arial->Ascent() + arial->Descent(), 22);
  EXPECT_LT(arial->EmPixels(), 22);

  FontHandle em = Arial(-20);  // a negative height is the em
  ASSERT_NE(em, nullptr);
  EXPECT_EQ(em->EmPixels(), 20);
  EXPECT_GT(em->CellHeight(), 20);

  for (const char* face : {"Tahoma", "Verdana", "MS Sans Serif", "No Such Face", ""}) {
    FontHandle font = Font::Create(face, 16, FW_NORMAL);
    ASSERT_NE(font, nullptr) << face;
    EXPECT_EQ(font->CellHeight(), 16) << face;
  }
  EXPECT_NE(Font::Create("Arial", 0, 0), nullptr);
  // Absurd sizes are refused by clamping, not by rendering megabytes per glyph.
  FontHandle huge = Font::Create("Arial", INT_MIN, FW_BOLD);
  ASSERT_NE(huge, nullptr);
  EXPECT_LE(huge->EmPixels(), 1024);
}

TEST(Font, DefaultIsABoldSansOf16AndSelectingReturnsThePrevious) {
  DeviceContext dc(Canvas(8, 8).view);
  FontHandle def = dc.CurrentFont();
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(def->CellHeight(), 16);
  EXPECT_EQ(def->Weight(), FW_BOLD);

  FontHandle normal_font = Arial(20, FW_NORMAL);
  EXPECT_EQ(dc.SelectFont(normal_font), nullptr);  // the default was in use
  EXPECT_EQ(dc.SelectFont(nullptr), nullptr);      // refused
  EXPECT_EQ(dc.CurrentFont(), normal_font);
  const int normal = dc.GetTextExtent("Weather 58...78").cx;
  EXPECT_EQ(dc.SelectFont(Arial(20, FW_BOLD)), normal_font);
  const int bold = dc.GetTextExtent("Weather 58...78").cx;
  EXPECT_GT(bold, normal);
}

TEST(DeviceContext, ExtentIsTheSumOfThePartsAndTheCellHeight) {
  DeviceContext dc(Canvas(8, 8).view);
  dc.SelectFont(Arial(22));
  Size whole, hours, rest;
  ASSERT_TRUE(dc.GetTextExtentPoint32("10:59", 5, &whole));
  ASSERT_TRUE(dc.GetTextExtentPoint32("10", 2, &hours));
  ASSERT_TRUE(dc.GetTextExtentPoint32(":59", 3, &rest));
  // The clock places each part after the width of what precedes it; no kerning may break that.
  EXPECT_EQ(whole.cx, hours.cx + rest.cx);
  EXPECT_EQ(whole.cy, 22);

  Size empty{-1, -1};
  ASSERT_TRUE(dc.GetTextExtentPoint32("", 0, &empty));
  EXPECT_EQ(empty.cx, 0);
  EXPECT_EQ(empty.cy, 22);
  EXPECT_FALSE(dc.GetTextExtentPoint32("x", -1, &empty));
  EXPECT_FALSE(dc.GetTextExtentPoint32("x", 1, nullptr));
  EXPECT_TRUE(dc.TextOut(5, 5, nullptr, 0));
  EXPECT_FALSE(dc.TextOut(5, 5, "abc", -1));
  EXPECT_FALSE(dc.ExtTextOut(5, 5, ETO_CLIPPED, nullptr, nullptr, 3));
}

TEST(DeviceContext, TextLiesInItsCellFromTheTopLeftOrigin) {
  Canvas canvas(300, 100);
  DeviceContext dc(canvas.view);
  dc.SelectFont(Arial(22));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(Rgb(255, 255, 255));
  const Size extent = dc.GetTextExtent("22:59");
  ASSERT_TRUE(dc.TextOut(50, 40, "22:59", 5));

  const Rect lit = canvas.Lit(0);
  EXPECT_GE(lit.left, 50);
  EXPECT_LE(lit.left, 53);
  EXPECT_LE(lit.right, 50 + extent.cx);
  EXPECT_GE(lit.right, 50 + extent.cx - 4);
  EXPECT_GE(lit.top, 40);
  EXPECT_LE(lit.bottom, 40 + extent.cy);
  EXPECT_GE(lit.bottom - lit.top, 14);  // digits fill most of the ascent
  EXPECT_TRUE(canvas.GuardIntact());
}

TEST(DeviceContext, TransparentKeepsTheCellOpaqueFillsIt) {
  Canvas canvas(200, 60, Rgb(10, 20, 30));
  DeviceContext dc(canvas.view);
  dc.SelectFont(Arial(16));
  dc.SetTextColor(Rgb(255, 255, 255));
  dc.SetBkColor(Rgb(200, 0, 0));
  EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);  // opaque until changed
  const Size extent = dc.GetTextExtent("NA");
  dc.TextOut(10, 10, "NA");
  EXPECT_EQ(canvas.At(10, 10), Rgb(10, 20, 30));  // cell corner untouched

  EXPECT_EQ(dc.SetBkMode(OPAQUE), TRANSPARENT);
  EXPECT_EQ(dc.SetBkMode(7), 0);
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);
  dc.TextOut(100, 10, "NA");
  EXPECT_EQ(canvas.At(100, 10), Rgb(200, 0, 0));
  EXPECT_EQ(canvas.At(100 + extent.cx - 1, 10 + extent.cy - 1), Rgb(200, 0, 0));
  EXPECT_EQ(canvas.At(99, 10), Rgb(10, 20, 30));
  EXPECT_EQ(canvas.At(100 + extent.cx, 10), Rgb(10, 20, 30));
  EXPECT_EQ(canvas.At(100, 10 + extent.cy), Rgb(10, 20, 30));
}

TEST(DeviceContext, GlyphsTakeTheTextColourBlendedOverThePlate) {
  Canvas canvas(200, 60, Rgb(40, 40, 40));
  DeviceContext dc(canvas.view);
  dc.SelectFont(Arial(22));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(0xFF00FF00u);  // the top byte never reaches the pixels
  EXPECT_EQ(dc.GetTextColor(), Rgb(0, 255, 0));
  dc.TextOut(5, 5, "HIM");
  int full = 0, partial = 0;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const uint32_t p = canvas.At(x, y);
      if (p == Rgb(40, 40, 40)) continue;
      ASSERT_EQ(p >> 24, 0u);
      const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      EXPECT_EQ(r, b);  // between the plate and green only
      EXPECT_LE(r, 40u);
      EXPECT_GE(g, 40u);
      full += p == Rgb(0, 255, 0);
      partial += p != Rgb(0, 255, 0);
    }
  EXPECT_GT(full, 50);  // stems are solid
  EXPECT_GT(partial, 0);
}

TEST(DeviceContext, ClippedTextStaysInsideTheRectangle) {
  Canvas canvas(400, 80, 0);
  DeviceContext dc(canvas.view);
  dc.SelectFont(Arial(16));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(Rgb(255, 255, 255));
  const std::string line = "*** Not Available Now *** Storm hits the coast :: Markets close higher";
  const Rect clip{15, 10, 300, 50};
  // The ticker's positions: entering from the right, half through, leaving on the left.
  for (int x : {290, 200, 15, -120, -400}) {
    ASSERT_TRUE(dc.ExtTextOut(x, 30, ETO_CLIPPED, &clip, line.data(), static_cast<int>(line.size())));
    const Rect lit = canvas.Lit(0);
    if (lit.right > lit.left) {
      EXPECT_GE(lit.left, clip.left) << x;
      EXPECT_LE(lit.right, clip.right) << x;
      EXPECT_GE(lit.top, clip.top) << x;
      EXPECT_LE(lit.bottom, clip.bottom) << x;
    }
  }
  EXPECT_GT(canvas.CountNot(0), 100);
  // Clipped at its top: only the lower part of the line shows.
  Canvas cut(200, 60, 0);
  DeviceContext dc2(cut.view);
  dc2.SelectFont(Arial(16));
  dc2.SetBkMode(OPAQUE);
  dc2.SetBkColor(Rgb(0, 0, 255));
  const Rect low{0, 25, 200, 60};
  dc2.ExtTextOut(10, 20, ETO_CLIPPED, &low, " Headline", 9);  // a blank first: no ink at x 10
  EXPECT_EQ(cut.Lit(0).top, 25);
  EXPECT_EQ(cut.At(10, 24), 0u);
  EXPECT_EQ(cut.At(10, 25), Rgb(0, 0, 255));
  EXPECT_TRUE(canvas.GuardIntact());
  EXPECT_TRUE(cut.GuardIntact());
}

TEST(DeviceContext, NothingIsWrittenOutsideTheTarget) {
  Canvas canvas(120, 40, 0);
  DeviceContext dc(canvas.view);
  dc.SetTextColor(Rgb(255, 255, 255));
  dc.SetBkColor(Rgb(9, 9, 9));
  for (int mode : {TRANSPARENT, OPAQUE}) {
    dc.SetBkMode(mode);
    for (int height : {16, 22, -60}) {
      dc.SelectFont(Arial(height));
      for (auto [x, y] : {std::pair{-10, -8},
                          {100, 30},
                          {-3000, 10},
                          {10, -30},
                          {INT_MAX - 5, 0},
                          {INT_MIN + 5, INT_MIN + 5},
                          {0, INT_MAX - 3}})
        dc.TextOut(x, y, "Wj|g\xB0 Cloudy");
      const Rect off_left{-50, -50, 20, 20};  // a clip rectangle reaching outside the target
      dc.ExtTextOut(-5, -5, ETO_CLIPPED | ETO_OPAQUE, &off_left, "Wj|g", 4);
    }
  }
  EXPECT_GT(canvas.CountNot(0), 0);
  EXPECT_TRUE(canvas.GuardIntact());

  // ETO_OPAQUE fills its rectangle as far as the target goes.
  Canvas plain(50, 30, 0);
  DeviceContext fill(plain.view);
  fill.SetBkColor(Rgb(1, 2, 3));
  const Rect r{40, 20, 80, 60};
  EXPECT_TRUE(fill.ExtTextOut(40, 20, ETO_OPAQUE, &r, "", 0));
  EXPECT_EQ(plain.At(49, 29), Rgb(1, 2, 3));
  EXPECT_EQ(plain.At(39, 29), 0u);
  for (auto [x, y] : {std::pair{-1, 0}, {0, 30}, {INT_MIN, INT_MAX}}) {
    EXPECT_EQ(fill.SetPixel(x, y, 1), CLR_INVALID);
    EXPECT_EQ(fill.GetPixel(x, y), CLR_INVALID);
  }
  EXPECT_EQ(fill.SetPixel(3, 4, 0xAB112233u), Rgb(0x11, 0x22, 0x33));  // the top byte stays 0
  EXPECT_TRUE(plain.GuardIntact());

  DeviceContext empty(PixelView{});
  EXPECT_TRUE(empty.TextOut(0, 0, "x"));
  EXPECT_EQ(empty.GetPixel(0, 0), CLR_INVALID);
}

TEST(DeviceContext, BytesAreUtf8WhenValidElseWindows1252) {
  EXPECT_EQ(DecodeText("58\xB0"), U"58\u00B0");  // the feeds' degree sign
  EXPECT_EQ(DecodeText("58\xC2\xB0"), U"58\u00B0");
  EXPECT_EQ(DecodeText("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), U"caf\u00E9 \u20AC \U0001F600");
  EXPECT_EQ(DecodeText("\x80\x93\x81"), U"\u20AC\u201C\u0081");
  // One invalid sequence makes the whole text 8-bit.
  EXPECT_EQ(DecodeText("\xC3\xA9\xB0"), U"\u00C3\u00A9\u00B0");
  EXPECT_EQ(DecodeText("\xC0\xAF"), U"\u00C0\u00AF");            // overlong
  EXPECT_EQ(DecodeText("\xED\xA0\x80"), U"\u00ED\u00A0\u20AC");  // a surrogate
  EXPECT_EQ(DecodeText("ab\xE2\x82"), U"ab\u00E2\u201A");        // cut short
  EXPECT_EQ(DecodeText(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));

  Canvas canvas(100, 40, 0);
  DeviceContext dc(canvas.view);
  dc.SelectFont(Arial(20));
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(Rgb(255, 255, 255));
  EXPECT_EQ(dc.GetTextExtent("\xB0").cx, dc.GetTextExtent("\xC2\xB0").cx);
  EXPECT_GT(dc.GetTextExtent("\xB0").cx, 0);
  dc.TextOut(10, 5, "\xB0", 1);
  const Rect lit = canvas.Lit(0);
  EXPECT_GT(lit.right, lit.left);
  EXPECT_LT(lit.bottom, 5 + 12);  // a small ring high in the cell
}

// The frame thread draws while the main thread creates fonts of many sizes (more than the cache
// keeps, so strikes are dropped under the drawing). The picture must not change.
TEST(DeviceContext, DrawingWhileOtherThreadsCreateFonts) {
  auto draw = [](FontHandle font) {
    Canvas canvas(160, 30, 0);
    DeviceContext dc(canvas.view);
    dc.SelectFont(std::move(font));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Rgb(255, 255, 255));
    dc.TextOut(2, 2, "12:34 58...78\xB0");
    return canvas.memory;
  };
  FontHandle font = Arial(20);
  const std::vector<uint32_t> expected = draw(font);
  std::thread creator([] {
    for (int round = 0; round < 3; ++round)
      for (int h = 8; h < 70; ++h) {
        FontHandle f = Font::Create(h % 2 ? "Arial" : "Tahoma", h, h % 3 ? FW_BOLD : FW_NORMAL);
        ASSERT_NE(f, nullptr);
        EXPECT_GT(f->TextWidth(U"Ab"), 0);
      }
  });
  std::thread drawer([&] {
    for (int i = 0; i < 150; ++i) ASSERT_EQ(draw(font), expected);
    for (int i = 0; i < 50; ++i) draw(Font::Create("Arial", 20 + i % 9, FW_BOLD));
  });
  creator.join();
  drawer.join();
  EXPECT_EQ(draw(font), expected);
}

}  // namespace
}  // namespace lunvale::platform
