// SPDX-License-Identifier: MIT
#include "platform/display/smooth_scale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace lunvale::platform {
namespace {

constexpr uint32_t kUntouched = 0xFF000000;  // no filtered pixel has a top byte

struct Image {
  int w, h;
  std::vector<uint32_t> px;
  Image(int width, int height, uint32_t fill = kUntouched)
      : w(width), h(height), px(static_cast<size_t>(width * height), fill) {}
  PixelView View() { return {px.data(), w, h, w}; }
  uint32_t& At(int x, int y) { return px[static_cast<size_t>(y * w + x)]; }
};

void Randomise(Image& image, const RECT& r, uint32_t seed) {
  std::mt19937 rng(seed);
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, image.h); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, image.w); ++x) image.At(x, y) = rng() & 0xFFFFFF;
}

// The tent in doubles: output pixel i centred on (i + 0.5) * in / out - 0.5, a radius of one canvas pixel or,
// when shrinking, one output pixel, taps past the edges taking the edge pixel.
std::vector<double> Weights(int i, int in, int out) {
  const double scale = static_cast<double>(in) / out, radius = std::max(1.0, scale),
               c = (i + 0.5) * scale - 0.5;
  std::vector<double> w(static_cast<size_t>(in));
  double total = 0;
  for (int j = static_cast<int>(std::floor(c - radius)); j <= static_cast<int>(std::ceil(c + radius)); ++j) {
    const double t = std::max(0.0, 1 - std::abs(j - c) / radius);
    w[static_cast<size_t>(std::clamp(j, 0, in - 1))] += t;
    total += t;
  }
  for (double& v : w) v /= total;
  return w;
}

double Reference(Image& canvas, int bw, int bh, int x, int y, int channel) {
  const std::vector<double> wx = Weights(x, canvas.w, bw), wy = Weights(y, canvas.h, bh);
  double sum = 0;
  for (int j = 0; j < canvas.h; ++j)
    for (int i = 0; i < canvas.w; ++i)
      sum += wx[static_cast<size_t>(i)] * wy[static_cast<size_t>(j)] *
             ((canvas.At(i, j) >> (8 * channel)) & 0xFF);
  return sum;
}

struct Scale {
  int cw, ch;
  FitBox box;
  int dw, dh;
};
// 1.41x and 2.8x as at 1920 x 1080 and 3840 x 2160, 0.75x, uneven, shrinking past 2x, one axis unscaled,
// canvases narrower than a pixel's taps or than a window of taps in fours; boxes inside the output with a
// margin, and hanging over its edges.
const Scale kScales[] = {
    {57, 32, {3, 2, 80, 45}, 86, 50}, {30, 20, {1, 4, 84, 56}, 88, 61},   {48, 36, {2, 2, 36, 27}, 40, 31},
    {40, 30, {0, 0, 57, 41}, 57, 41}, {64, 48, {5, 1, 20, 15}, 27, 19},   {50, 40, {1, 1, 7, 19}, 9, 22},
    {40, 30, {2, 3, 40, 45}, 44, 50}, {57, 32, {-7, -3, 80, 45}, 60, 30}, {5, 3, {0, 0, 2, 1}, 2, 1},
    {1, 1, {1, 0, 3, 2}, 4, 2},       {7, 9, {1, 1, 3, 5}, 5, 7}};

TEST(SmoothScaler, MatchesTheFilterInDoublesWithinOneLevel) {
  SmoothScaler scaler;
  const GammaLut identity = MakeGammaLut(IdentityGammaRamp());
  for (const Scale& s : kScales) {
    SCOPED_TRACE(std::to_string(s.cw) + "x" + std::to_string(s.ch) + " into " + std::to_string(s.box.w) +
                 "x" + std::to_string(s.box.h));
    Image canvas(s.cw, s.ch), out(s.dw, s.dh);
    Randomise(canvas, {0, 0, s.cw, s.ch}, static_cast<uint32_t>(s.cw * s.box.w));
    const RECT drawn = scaler.Draw(out.View(), s.box, canvas.View(), {0, 0, s.cw, s.ch}, identity);
    const RECT expected{std::max(s.box.x, 0), std::max(s.box.y, 0), std::min(s.box.x + s.box.w, s.dw),
                        std::min(s.box.y + s.box.h, s.dh)};
    EXPECT_TRUE(drawn.left == expected.left && drawn.top == expected.top && drawn.right == expected.right &&
                drawn.bottom == expected.bottom);
    for (int y = 0; y < s.dh; ++y)
      for (int x = 0; x < s.dw; ++x) {
        const uint32_t p = out.At(x, y);
        if (x < expected.left || x >= expected.right || y < expected.top || y >= expected.bottom) {
          ASSERT_EQ(p, kUntouched) << x << "," << y;
          continue;
        }
        for (int c = 0; c < 4; ++c)
          ASSERT_NEAR((p >> (8 * c)) & 0xFF, Reference(canvas, s.box.w, s.box.h, x - s.box.x, y - s.box.y, c),
                      1.0)
              << x << "," << y << " channel " << c;
      }
  }
}

TEST(SmoothScaler, CanvasOfTheBoxSizeIsCopied) {
  SmoothScaler scaler;
  Image canvas(37, 23);
  Randomise(canvas, {0, 0, 37, 23}, 5);
  const RECT parts[] = {{0, 0, 37, 23}, {5, 4, 9, 20}, {-3, 20, 2, 30}, {36, 0, 40, 1}};
  for (const RECT& part : parts) {
    SCOPED_TRACE(std::to_string(part.left) + "," + std::to_string(part.top));
    Image out(40, 25);
    const RECT drawn = scaler.Draw(out.View(), {4, 3, 37, 23}, canvas.View(), part, GammaLut{});
    for (int y = 0; y < out.h; ++y)
      for (int x = 0; x < out.w; ++x) {
        const bool inside = x >= 4 + std::max(part.left, 0) && x < std::min(4 + part.right, 40) &&
                            y >= 3 + std::max(part.top, 0) && y < std::min(3 + part.bottom, 25);
        ASSERT_EQ(out.At(x, y), inside ? canvas.At(x - 4, y - 3) : kUntouched) << x << "," << y;
        EXPECT_EQ(inside, x >= drawn.left && x < drawn.right && y >= drawn.top && y < drawn.bottom);
      }
  }
}

// A part drawn after the canvas changed there leaves the output as drawing everything anew would, and
// says where it wrote: in the middle, at each corner, past the canvas, a single pixel, all of it.
TEST(SmoothScaler, RedrawnPartEqualsWholeRedraw) {
  SmoothScaler scaler;
  const GammaLut identity = MakeGammaLut(IdentityGammaRamp());
  for (const Scale& s : kScales)
    for (const RECT part : {RECT{10, 7, 21, 15}, RECT{0, 0, 3, 2}, RECT{s.cw - 4, s.ch - 1, s.cw, s.ch},
                            RECT{-5, s.ch - 6, 6, s.ch + 9}, RECT{s.cw - 1, 0, s.cw + 3, 5},
                            RECT{13, 9, 14, 10}, RECT{0, 0, s.cw, s.ch}}) {
      SCOPED_TRACE(std::to_string(s.box.w) + "x" + std::to_string(s.box.h) + " part " +
                   std::to_string(part.left) + "," + std::to_string(part.top));
      Image canvas(s.cw, s.ch), before(s.dw, s.dh), after(s.dw, s.dh);
      Randomise(canvas, {0, 0, s.cw, s.ch}, 1);
      const RECT all{0, 0, s.cw, s.ch};
      scaler.Draw(before.View(), s.box, canvas.View(), all, identity);
      Image kept = before;
      Randomise(canvas, part, 2);
      scaler.Draw(after.View(), s.box, canvas.View(), all, identity);
      const RECT r = scaler.Draw(kept.View(), s.box, canvas.View(), part, identity);
      const int changed = std::max(std::min(part.right, s.cw) - std::max(part.left, 0), 0);
      const double reach = (changed + 2 * std::max(1.0, 1.0 * s.cw / s.box.w)) * s.box.w / s.cw;
      EXPECT_LE(r.right - r.left, reach + 2);
      for (int y = 0; y < s.dh; ++y)
        for (int x = 0; x < s.dw; ++x) {
          ASSERT_EQ(kept.At(x, y), after.At(x, y)) << x << "," << y;
          const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
          ASSERT_TRUE(inside || before.At(x, y) == after.At(x, y)) << x << "," << y;
        }
    }
}

// Parts drawn as one list give every output pixel what drawing them one by one gives, and list what they
// wrote in rectangles that hold each written pixel once: overlapping parts, bands one above another with
// other columns, one beside them, one past the canvas, an empty one; scaled, and copied.
TEST(SmoothScaler, PartsDrawnTogetherEqualPartsDrawnInTurn) {
  SmoothScaler scaler;
  const GammaLut identity = MakeGammaLut(IdentityGammaRamp());
  const std::vector<RECT> parts{{2, 2, 12, 9},  {8, 5, 20, 14},  {4, 14, 16, 18}, {0, 18, 9, 22},
                                {30, 3, 34, 6}, {-4, 25, 3, 40}, {5, 5, 5, 9}};
  std::vector<Scale> scales(std::begin(kScales), std::end(kScales));
  scales.push_back({40, 30, {2, 1, 40, 30}, 44, 33});
  for (const Scale& s : scales) {
    SCOPED_TRACE(std::to_string(s.box.w) + "x" + std::to_string(s.box.h));
    Image canvas(s.cw, s.ch), one(s.dw, s.dh), together(s.dw, s.dh);
    Randomise(canvas, {0, 0, s.cw, s.ch}, 4);
    for (const RECT& part : parts) scaler.Draw(one.View(), s.box, canvas.View(), part, identity);
    std::vector<RECT> written(1);  // what was there stays
    const RECT bounds = scaler.DrawParts(together.View(), s.box, canvas.View(), parts, identity, written);
    RECT hull{s.dw, s.dh, 0, 0};
    for (size_t i = 1; i < written.size(); ++i)
      hull = {std::min(hull.left, written[i].left), std::min(hull.top, written[i].top),
              std::max(hull.right, written[i].right), std::max(hull.bottom, written[i].bottom)};
    EXPECT_TRUE(written.size() == 1 ? bounds.right <= bounds.left
                                    : bounds.left == hull.left && bounds.top == hull.top &&
                                          bounds.right == hull.right && bounds.bottom == hull.bottom);
    for (int y = 0; y < s.dh; ++y)
      for (int x = 0; x < s.dw; ++x) {
        ASSERT_EQ(together.At(x, y), one.At(x, y)) << x << "," << y;
        const auto in = [&](const RECT& r) {
          return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        };
        ASSERT_EQ(std::count_if(written.begin() + 1, written.end(), in), one.At(x, y) == kUntouched ? 0 : 1)
            << x << "," << y;
      }
  }
}

// The forms of the filter that the processor picks all give exactly what the plain arithmetic gives: a digest
// of scalings up and down, of sizes that reach every form's edges, as the plain code made it.
TEST(SmoothScaler, GivesExactlyThePlainArithmetic) {
  std::mt19937 rng(77);
  SmoothScaler scaler;
  const GammaLut identity = MakeGammaLut(IdentityGammaRamp());
  uint64_t digest = 14695981039346656037u;
  for (int c = 0; c <= 300; ++c) {
    const auto pick = [&](int from, int to) {
      return from + static_cast<int>(rng() % static_cast<uint32_t>(to - from + 1));
    };
    // The last one is wide enough to go in strips.
    const int cw = c < 300 ? pick(1, 300) : 1400, ch = c < 300 ? pick(1, 30) : 2;
    const int bw = c < 300 ? pick(1, 3 * cw) : 3900, bh = pick(1, 3 * ch);
    Image canvas(cw, ch), out(bw + 4, bh + 4);
    Randomise(canvas, {0, 0, cw, ch}, rng());
    const RECT part = rng() % 2 != 0 ? RECT{0, 0, cw, ch}
                                     : RECT{pick(-2, cw), pick(-2, ch), pick(0, cw + 2), pick(0, ch + 2)};
    scaler.Draw(out.View(), {pick(-2, 2), pick(-2, 2), bw, bh}, canvas.View(), part, identity);
    for (const uint32_t p : out.px) digest = (digest ^ p) * 1099511628211u;
  }
  EXPECT_EQ(digest, 0x634cec344b67e8d2u);
}

TEST(SmoothScaler, GammaAppliesToWhatTheFilterGives) {
  GammaLut lut;
  for (int i = 0; i < 256; ++i) {
    lut.red[i] = static_cast<uint8_t>(255 - i);
    lut.green[i] = static_cast<uint8_t>(i / 2);
    lut.blue[i] = static_cast<uint8_t>(i * i / 255);
  }
  lut.identity = false;
  SmoothScaler scaler;
  for (const FitBox box : {FitBox{1, 1, 30, 20}, FitBox{0, 2, 42, 28}, FitBox{2, 0, 9, 6}}) {
    SCOPED_TRACE(std::to_string(box.w));
    Image canvas(30, 20), plain(44, 31), corrected(44, 31);
    Randomise(canvas, {0, 0, 30, 20}, 3);
    scaler.Draw(plain.View(), box, canvas.View(), {0, 0, 30, 20}, GammaLut{});
    scaler.Draw(corrected.View(), box, canvas.View(), {0, 0, 30, 20}, lut);
    for (int y = box.y; y < box.y + box.h; ++y) {
      ApplyGammaRow(&plain.At(box.x, y), &plain.At(box.x, y), box.w, lut);
      for (int x = box.x; x < box.x + box.w; ++x)
        ASSERT_EQ(corrected.At(x, y), plain.At(x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace lunvale::platform
