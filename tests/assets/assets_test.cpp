// SPDX-License-Identifier: MIT
// Checks the embedded pictures and the sound: sizes, formats and frame layouts as the scene and the
// dialog use them, the see-through black of the keyed pictures, and that the water strips meet the
// still without a seam and loop without a jump.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include <jpeglib.h>  // after <cstdio>: it uses FILE

#include "platform/system/resources.h"

namespace lunvale::assets {
namespace {

using Bytes = std::span<const unsigned char>;

struct Picture {
  int w = 0;
  int h = 0;
  std::vector<uint8_t> rgb;  // w * h * 3

  const uint8_t* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * w + x) * 3]; }
  bool Black(int x, int y) const {
    const uint8_t* p = At(x, y);
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
  }
};

Bytes Resource(const char* name) {
  auto r = platform::FindResource(name);
  if (!r) ADD_FAILURE() << "resource " << name << " is missing";
  return r.value_or(Bytes{});
}

uint16_t U16(Bytes b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
uint32_t U32(Bytes b, size_t at) {
  return U16(b, at) | static_cast<uint32_t>(U16(b, at + 2)) << 16;
}

// --- JPEG through libjpeg ------------------------------------------------------------------------

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// Decodes into *out; false on a corrupt stream. Written without objects that need destruction
// between setjmp and the decoder's calls.
bool DecodeJpeg(Bytes data, Picture* out) {
  jpeg_decompress_struct info;
  JpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegFail;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out->w = static_cast<int>(info.output_width);
  out->h = static_cast<int>(info.output_height);
  out->rgb.resize(static_cast<size_t>(out->w) * out->h * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &out->rgb[static_cast<size_t>(info.output_scanline) * out->w * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

Picture Jpeg(const char* name) {
  Picture p;
  Bytes b = Resource(name);
  EXPECT_TRUE(b.size() > 3 && b[0] == 0xFF && b[1] == 0xD8) << name << " is not a JPEG";
  EXPECT_TRUE(DecodeJpeg(b, &p)) << name;
  return p;
}

// --- BMP and GIF through SDL_image -----------------------------------------------------------------

Picture Decode(const char* name) {
  Picture p;
  Bytes b = Resource(name);
  if (b.empty()) return p;
  SDL_Surface* s = IMG_Load_RW(SDL_RWFromConstMem(b.data(), static_cast<int>(b.size())), 1);
  EXPECT_NE(s, nullptr) << name << ": " << IMG_GetError();
  if (!s) return p;
  SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(s);
  p.w = c->w;
  p.h = c->h;
  p.rgb.resize(static_cast<size_t>(p.w) * p.h * 3);
  for (int y = 0; y < p.h; ++y)
    std::memcpy(&p.rgb[static_cast<size_t>(y) * p.w * 3], static_cast<uint8_t*>(c->pixels) + y * c->pitch,
                static_cast<size_t>(p.w) * 3);
  SDL_FreeSurface(c);
  return p;
}

struct BmpHeader {
  int w = 0, h = 0, bpp = 0;
  uint32_t compression = 99;
};

BmpHeader ReadBmpHeader(Bytes b) {
  BmpHeader hd;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return hd;
  hd.w = static_cast<int32_t>(U32(b, 18));
  hd.h = static_cast<int32_t>(U32(b, 22));
  hd.bpp = U16(b, 28);
  hd.compression = U32(b, 30);
  return hd;
}

Picture Frame(const Picture& strip, int fh, int k) {
  Picture f;
  f.w = strip.w;
  f.h = fh;
  auto first = strip.rgb.begin() + static_cast<ptrdiff_t>(k) * fh * strip.w * 3;
  f.rgb.assign(first, first + static_cast<ptrdiff_t>(fh) * strip.w * 3);
  return f;
}

// Mean absolute channel difference between two equally long runs of pixels.
template <typename A, typename B>
double MeanDiff(int n, A a, B b) {
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const uint8_t* p = a(i);
    const uint8_t* q = b(i);
    for (int c = 0; c < 3; ++c) sum += std::abs(static_cast<int>(p[c]) - static_cast<int>(q[c]));
  }
  return sum / (3.0 * n);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// ---------------------------------------------------------------------------------------------------

struct Layout {
  const char* name;
  enum Kind { kJpeg, kGif, kBmpRle8, kBmp8, kBmp24 } kind;
  int w, frame_h, frames;
};

const Layout kLayouts[] = {
    {"QIM1", Layout::kJpeg, 1024, 768, 1},
    {"QMV1", Layout::kJpeg, 649, 268, 32},
    {"QMV2", Layout::kJpeg, 739, 87, 32},
    {"QIM1wide", Layout::kJpeg, 1824, 768, 1},
    {"QMV1wide", Layout::kJpeg, 1049, 268, 32},
    {"QMV2wide", Layout::kJpeg, 1139, 87, 32},
    {"QMV3SG", Layout::kBmpRle8, 68, 43, 121},
    {"QMV3SGsmall", Layout::kBmpRle8, 38, 24, 121},
    {"QIM2masktree", Layout::kBmpRle8, 352, 314, 1},
    {"QMV3Weather", Layout::kBmpRle8, 52, 52, 49},
    {"QIM2GadgetPanel", Layout::kGif, 1024, 70, 1},
    {"QGC1", Layout::kGif, 117, 69, 1},
    {"QGW1", Layout::kGif, 336, 69, 1},
    {"QGR1", Layout::kGif, 572, 69, 1},
    {"PREVIEWBMP", Layout::kBmp8, 154, 116, 1},
    {"Image1", Layout::kJpeg, 546, 90, 1},
    {"Image2", Layout::kBmp24, 183, 134, 1},
    {"FD_Ground", Layout::kBmp24, 199, 24, 1},
    {"FD_Knob", Layout::kBmp24, 34, 16, 1},
    {"BTOK_Ground_off", Layout::kBmp24, 76, 26, 1},
    {"BTOK_Ground_on", Layout::kBmp24, 76, 26, 1},
    {"BTCancel_Ground_off", Layout::kBmp24, 76, 26, 1},
    {"BTCancel_Ground_on", Layout::kBmp24, 76, 26, 1},
};

TEST(AssetsPictures, EachHasItsFormatSizeAndFrameLayout) {
  for (const Layout& l : kLayouts) {
    SCOPED_TRACE(l.name);
    Bytes b = Resource(l.name);
    const int h = l.frame_h * l.frames;
    Picture p;
    switch (l.kind) {
      case Layout::kJpeg:
        p = Jpeg(l.name);
        break;
      case Layout::kGif:
        ASSERT_GE(b.size(), 10u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 4), "GIF8");
        EXPECT_EQ(U16(b, 6), l.w);
        EXPECT_EQ(U16(b, 8), h);
        p = Decode(l.name);
        break;
      case Layout::kBmpRle8:
      case Layout::kBmp8:
      case Layout::kBmp24: {
        BmpHeader hd = ReadBmpHeader(b);
        EXPECT_EQ(hd.w, l.w);
        EXPECT_EQ(hd.h, h);  // positive: bottom-up, as RLE requires
        EXPECT_EQ(hd.bpp, l.kind == Layout::kBmp24 ? 24 : 8);
        EXPECT_EQ(hd.compression, l.kind == Layout::kBmpRle8 ? 1u : 0u);  // BI_RLE8 or BI_RGB
        p = Decode(l.name);
        break;
      }
    }
    EXPECT_EQ(p.w, l.w);
    EXPECT_EQ(p.h, h);
  }
}

TEST(AssetsPictures, GullFramesShowOneBirdOnExactBlackFacingItsHeading) {
  struct Strip {
    const char* name;
    int fh;
  };
  for (Strip s : {Strip{"QMV3SG", 43}, Strip{"QMV3SGsmall", 24}}) {
    SCOPED_TRACE(s.name);
    Picture strip = Decode(s.name);
    ASSERT_EQ(strip.h, s.fh * 121);
    int facing_checked = 0;
    for (int k = 0; k < 121; ++k) {
      Picture f = Frame(strip, s.fh, k);
      ASSERT_TRUE(f.Black(0, 0)) << "frame " << k;
      int count = 0, near_black = 0, on_border = 0;
      double cx = 0, cy = 0, bx = 0, by = 0;
      int beak = 0;
      for (int y = 0; y < f.h; ++y)
        for (int x = 0; x < f.w; ++x) {
          if (f.Black(x, y)) continue;
          const uint8_t* p = f.At(x, y);
          ++count;
          cx += x;
          cy += y;
          if (std::max({p[0], p[1], p[2]}) < 12) ++near_black;
          if (x == 0 || y == 0 || x == f.w - 1 || y == f.h - 1) ++on_border;
          if (p[0] > 170 && p[1] > 100 && p[2] < 130 && p[0] - p[2] > 80) {  // the yellow beak
            ++beak;
            bx += x;
            by += y;
          }
        }
      EXPECT_GT(count, f.w * f.h / 20) << "frame " << k << " has no bird";
      EXPECT_EQ(near_black, 0) << "frame " << k << " has a near-black fringe";
      EXPECT_EQ(on_border, 0) << "frame " << k << " cuts the bird at its edge";
      // Frame k flies toward 3k degrees (0 right, 90 down): the beak lies that way from the body.
      if (beak > 0 && k < 120) {
        const double want = 3.0 * k;
        const double got =
            std::atan2(by / beak - cy / count, bx / beak - cx / count) * 180.0 / std::numbers::pi;
        double diff = std::fmod(std::abs(got - want), 360.0);
        diff = std::min(diff, 360.0 - diff);
        EXPECT_LT(diff, 35.0) << "frame " << k << " faces " << got;
        ++facing_checked;
      }
    }
    if (std::string(s.name) == "QMV3SG") {
      EXPECT_GT(facing_checked, 100);
    }
  }
}

TEST(AssetsPictures, ForegroundIsCutFromTheStillAtItsPlace) {
  Picture bg = Jpeg("QIM1");
  Picture fg = Decode("QIM2masktree");
  ASSERT_EQ(bg.w, 1024);
  ASSERT_EQ(fg.w, 352);
  ASSERT_EQ(fg.h, 314);
  EXPECT_TRUE(fg.Black(0, 0));
  int opaque = 0;
  double diff = 0;
  for (int y = 0; y < fg.h; ++y)
    for (int x = 0; x < fg.w; ++x) {
      if (fg.Black(x, y)) continue;
      ++opaque;
      for (int c = 0; c < 3; ++c) diff += std::abs(fg.At(x, y)[c] - bg.At(90 + x, 181 + y)[c]);
    }
  const double share = static_cast<double>(opaque) / (fg.w * fg.h);
  EXPECT_GT(share, 0.2);
  EXPECT_LT(share, 0.9);
  // palette rounding only: a cut from the wrong place differs by tens of levels
  EXPECT_LT(diff / (3.0 * opaque), 4.0);
}

TEST(AssetsPictures, PanoramaMiddleIsTheStill) {
  Picture still = Jpeg("QIM1");
  Picture wide = Jpeg("QIM1wide");
  ASSERT_EQ(wide.w, still.w + 800);
  ASSERT_EQ(wide.h, still.h);
  double sum = 0;
  int worst = 0;
  for (int y = 0; y < still.h; ++y)
    for (int x = 0; x < still.w; ++x)
      for (int c = 0; c < 3; ++c) {
        const int d = std::abs(wide.At(400 + x, y)[c] - still.At(x, y)[c]);
        sum += d;
        worst = std::max(worst, d);
      }
  // JPEG rounding at most; a middle one column off differs by over 3 levels on average
  EXPECT_LT(sum / (3.0 * still.w * still.h), 0.5);
  EXPECT_LE(worst, 12);
}

TEST(AssetsPictures, PreviewIsAStillOfTheScene) {
  Picture bg = Jpeg("QIM1");
  Picture pv = Decode("PREVIEWBMP");
  ASSERT_EQ(pv.w, 154);
  ASSERT_EQ(pv.h, 116);
  double diff = 0;
  for (int y = 0; y < pv.h; ++y)
    for (int x = 0; x < pv.w; ++x) {
      // average of the still's pixels under this preview pixel
      int x0 = x * 1024 / 154, x1 = (x + 1) * 1024 / 154, y0 = y * 768 / 116, y1 = (y + 1) * 768 / 116;
      for (int c = 0; c < 3; ++c) {
        double s = 0;
        for (int yy = y0; yy < y1; ++yy)
          for (int xx = x0; xx < x1; ++xx) s += bg.At(xx, yy)[c];
        diff += std::abs(s / ((x1 - x0) * (y1 - y0)) - pv.At(x, y)[c]);
      }
    }
  EXPECT_LT(diff / (154.0 * 116 * 3), 12.0);
}

// The boxes the gadgets draw into must be plain plate: opaque (not see-through black) and free of
// decoration, so that the texts read cleanly.
TEST(AssetsPictures, PlatesLeaveTheGadgetAreasPlainAndTheirCornersSeeThrough) {
  struct Box {
    const char* plate;
    int x0, y0, x1, y1;  // exclusive ends
  };
  const Box boxes[] = {
      {"QGC1", 5, 28, 111, 51},    // the clock's centring box
      {"QGW1", 153, 29, 203, 49},  // today's temperature
      {"QGW1", 265, 29, 330, 49},  // tomorrow's range
      {"QGR1", 90, 7, 400, 23},    // the feed's name
      {"QGR1", 15, 29, 560, 50},   // the scrolling line
      {"QGW1", 94, 8, 146, 60},    // the two icons
      {"QGW1", 206, 8, 258, 60},
  };
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.plate + std::string(" box at ") + std::to_string(b.x0));
    Picture p = Decode(b.plate);
    ASSERT_GE(p.w, b.x1);
    EXPECT_TRUE(p.Black(0, 0));
    EXPECT_TRUE(p.Black(p.w - 1, p.h - 1) || p.Black(p.w - 1, 0));
    double sum[3] = {0, 0, 0}, sq = 0;
    int n = 0, black = 0;
    for (int y = b.y0; y < b.y1; ++y)
      for (int x = b.x0; x < b.x1; ++x) {
        if (p.Black(x, y)) ++black;
        for (int c = 0; c < 3; ++c) sum[c] += p.At(x, y)[c];
        ++n;
      }
    for (int y = b.y0; y < b.y1; ++y)
      for (int x = b.x0; x < b.x1; ++x)
        for (int c = 0; c < 3; ++c) sq += std::pow(p.At(x, y)[c] - sum[c] / n, 2);
    EXPECT_EQ(black, 0);
    EXPECT_LT(std::sqrt(sq / (3.0 * n)), 12.0) << "decoration under the gadget's drawing";
  }
}

TEST(AssetsPictures, WeatherIconsAreFilledAndDistinct) {
  Picture s = Decode("QMV3Weather");
  ASSERT_EQ(s.h, 52 * 49);
  std::vector<Picture> icons;
  for (int k = 0; k < 49; ++k) icons.push_back(Frame(s, 52, k));
  auto differ = [](const Picture& a, const Picture& b) {
    return MeanDiff(
        52 * 52, [&](int i) { return a.At(i % 52, i / 52); }, [&](int i) { return b.At(i % 52, i / 52); });
  };
  // every condition looks different from the "not available" picture
  for (int k = 0; k < 48; ++k) EXPECT_GT(differ(icons[k], icons[48]), 4.0) << "icon " << k;
  // conditions that the service names differently look different (a few typical pairs)
  EXPECT_GT(differ(icons[32], icons[31]), 4.0);  // sunny / clear night
  EXPECT_GT(differ(icons[16], icons[11]), 2.0);  // snow / showers
  EXPECT_GT(differ(icons[36], icons[25]), 2.0);  // hot / cold
}

TEST(AssetsPictures, DialogPicturesCarryTheirSeeThroughColour) {
  // The side picture and the knob are drawn with the colour of their bottom-left pixel left out.
  for (const char* name : {"Image2", "FD_Knob"}) {
    SCOPED_TRACE(name);
    Picture p = Decode(name);
    ASSERT_GT(p.h, 0);
    const uint8_t* key = p.At(0, p.h - 1);
    int keyed = 0;
    for (int i = 0; i < p.w * p.h; ++i) keyed += std::equal(key, key + 3, &p.rgb[static_cast<size_t>(i) * 3]);
    EXPECT_GT(keyed, p.w * p.h / 20);
    EXPECT_LT(keyed, p.w * p.h * 3 / 4);
  }
  for (const char* button : {"BTOK", "BTCancel"}) {
    Picture off = Decode((std::string(button) + "_Ground_off").c_str());
    Picture on = Decode((std::string(button) + "_Ground_on").c_str());
    ASSERT_EQ(off.rgb.size(), on.rgb.size());
    EXPECT_NE(off.rgb, on.rgb) << button << ": pressed looks like released";
  }
}

// --- the water ------------------------------------------------------------------------------------

// A still and its two water strips: the far one over rows 413..499, the near one over rows 500..767,
// each from its first column to the still's right edge.
struct Water {
  const char* what;
  Picture bg, near, far;
  int near_x, far_x;
};

// The 4:3 still and the panorama, whose middle is the 4:3 still 400 columns in.
std::vector<Water> WaterSets() {
  std::vector<Water> sets;
  sets.push_back({"4:3", Jpeg("QIM1"), Jpeg("QMV1"), Jpeg("QMV2"), 375, 285});
  sets.push_back({"panorama", Jpeg("QIM1wide"), Jpeg("QMV1wide"), Jpeg("QMV2wide"), 400 + 375, 400 + 285});
  return sets;
}

// Each edge a strip shares with the still. Two measures, both taken in every frame:
// - the strip's outermost two pixels are the still's pixels at the same place, up to JPEG rounding
//   (about 6 levels at the sharpest edges; ripples running up to the edge differ by over 20, and a
//   strip cut one pixel off by over 16);
// - the step from the strip's edge to the still's pixels outside is like the still's own step across
//   that line (allowance 1.5 times it plus 3 levels).
TEST(AssetsWater, StripEdgesMeetTheStillInEveryFrame) {
  for (const Water& w : WaterSets()) {
    SCOPED_TRACE(w.what);
    ASSERT_EQ(w.near.h, 268 * 32);
    ASSERT_EQ(w.far.h, 87 * 32);
    ASSERT_EQ(w.near.w, w.bg.w - w.near_x);
    ASSERT_EQ(w.far.w, w.bg.w - w.far_x);
    struct Edge {
      const char* what;
      const Picture* strip;
      int fh, sx, sy;              // strip geometry on the screen
      int n;                       // pixels along the edge
      int ex, ey, dx, dy, ox, oy;  // first edge pixel in the strip, step along it, step outward
    };
    const Edge edges[] = {
        {"far strip, left edge", &w.far, 87, w.far_x, 413, 87, 0, 0, 0, 1, -1, 0},
        {"far strip, top edge", &w.far, 87, w.far_x, 413, w.far.w, 0, 0, 1, 0, 0, -1},
        {"far strip, bottom edge left of the near strip", &w.far, 87, w.far_x, 413, w.near_x - w.far_x, 0, 86,
         1, 0, 0, 1},
        {"near strip, left edge", &w.near, 268, w.near_x, 500, 268, 0, 0, 0, 1, -1, 0},
    };
    for (const Edge& e : edges) {
      SCOPED_TRACE(e.what);
      auto bg_at = [&](int x, int y) { return w.bg.At(x, y); };
      // the still's own step across the line, from just inside to just outside
      double own = MeanDiff(
          e.n, [&](int i) { return bg_at(e.sx + e.ex + i * e.dx, e.sy + e.ey + i * e.dy); },
          [&](int i) { return bg_at(e.sx + e.ex + i * e.dx + e.ox, e.sy + e.ey + i * e.dy + e.oy); });
      double worst_step = 0, worst_same = 0;
      for (int k = 0; k < 32; ++k) {
        Picture f = Frame(*e.strip, e.fh, k);
        double step = MeanDiff(
            e.n, [&](int i) { return f.At(e.ex + i * e.dx, e.ey + i * e.dy); },
            [&](int i) { return bg_at(e.sx + e.ex + i * e.dx + e.ox, e.sy + e.ey + i * e.dy + e.oy); });
        worst_step = std::max(worst_step, step);
        for (int depth = 0; depth < 2; ++depth) {
          const int ix = -e.ox * depth, iy = -e.oy * depth;  // inward
          double same = MeanDiff(
              e.n, [&](int i) { return f.At(e.ex + i * e.dx + ix, e.ey + i * e.dy + iy); },
              [&](int i) { return bg_at(e.sx + e.ex + i * e.dx + ix, e.sy + e.ey + i * e.dy + iy); });
          worst_same = std::max(worst_same, same);
        }
      }
      EXPECT_LT(worst_same, 8.0);
      EXPECT_LT(worst_step, own * 1.5 + 3.0) << "still's own step " << own;
    }
  }
}

// Where the strips meet each other (row 499 of the far strip over row 500 of the near one, across the
// near strip's width), the step between them is like a step between two rows inside the near strip.
TEST(AssetsWater, StripsMeetEachOtherWithoutASeam) {
  for (const Water& w : WaterSets()) {
    SCOPED_TRACE(w.what);
    const int n = w.near.w, dx = w.near_x - w.far_x;
    for (int k = 0; k < 32; ++k) {
      Picture f = Frame(w.far, 87, k);
      Picture m = Frame(w.near, 268, k);
      double across = MeanDiff(
          n, [&](int i) { return f.At(dx + i, 86); }, [&](int i) { return m.At(i, 0); });
      double inside = MeanDiff(
          n, [&](int i) { return m.At(i, 1); }, [&](int i) { return m.At(i, 0); });
      double above = MeanDiff(
          n, [&](int i) { return f.At(dx + i, 85); }, [&](int i) { return f.At(dx + i, 86); });
      EXPECT_LT(across, std::max(inside, above) * 1.5 + 2.0) << "frame " << k;
    }
  }
}

// The step from frame 31 back to frame 0 is like any other step: neither a jump nor a stall.
TEST(AssetsWater, LoopStepIsLikeEveryOtherStep) {
  for (const Water& w : WaterSets()) {
    struct S {
      const Picture* p;
      int fh;
    };
    for (S s : {S{&w.near, 268}, S{&w.far, 87}}) {
      SCOPED_TRACE(std::string(w.what) + (s.fh == 87 ? " far" : " near"));
      std::vector<double> steps;
      for (int k = 0; k < 32; ++k) {
        Picture a = Frame(*s.p, s.fh, k);
        Picture b = Frame(*s.p, s.fh, (k + 1) % 32);
        steps.push_back(MeanDiff(
            a.w * a.h, [&](int i) { return &a.rgb[static_cast<size_t>(i) * 3]; },
            [&](int i) { return &b.rgb[static_cast<size_t>(i) * 3]; }));
      }
      const double wrap = steps.back();
      steps.pop_back();
      const double typical = Median(steps);
      EXPECT_GT(typical, 0.8) << "the water does not move";
      EXPECT_LT(wrap, typical * 1.3) << "jump at the loop";
      EXPECT_GT(wrap, typical * 0.7) << "stall at the loop";
      for (double d : steps) EXPECT_LT(d, typical * 1.6);
    }
  }
}

// --- the sound --------------------------------------------------------------------------------------

TEST(AssetsSound, AdpcmLoopOfTheRightFormatWithoutAClick) {
  Bytes b = Resource("SoundName");
  ASSERT_GT(b.size(), 60u);
  ASSERT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
  ASSERT_EQ(std::memcmp(b.data() + 8, "WAVE", 4), 0);
  size_t pos = 12, fmt = 0, data_size = 0;
  while (pos + 8 <= b.size()) {
    const uint32_t len = U32(b, pos + 4);
    if (std::memcmp(b.data() + pos, "fmt ", 4) == 0) fmt = pos + 8;
    if (std::memcmp(b.data() + pos, "data", 4) == 0) data_size = len;
    pos += 8 + len + (len & 1);
  }
  ASSERT_NE(fmt, 0u);
  EXPECT_EQ(U16(b, fmt), 2);           // WAVE_FORMAT_ADPCM
  EXPECT_EQ(U16(b, fmt + 2), 2);       // channels
  EXPECT_EQ(U32(b, fmt + 4), 11025u);  // samples per second
  EXPECT_EQ(U16(b, fmt + 12), 512);    // block size
  EXPECT_EQ(U16(b, fmt + 14), 4);      // bits per sample
  EXPECT_EQ(U16(b, fmt + 18), 500);    // samples per block
  EXPECT_EQ(data_size, 327680u);

  SDL_AudioSpec format;
  Uint8* pcm = nullptr;
  Uint32 len = 0;
  ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(b.data(), static_cast<int>(b.size())), 1, &format, &pcm, &len),
            nullptr)
      << SDL_GetError();
  std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> hold(pcm, SDL_FreeWAV);
  ASSERT_EQ(format.format, AUDIO_S16SYS);
  ASSERT_EQ(format.channels, 2);
  const size_t frames = len / 4;
  EXPECT_EQ(frames, 640u * 500u);  // about 29 s
  const int16_t* s = reinterpret_cast<const int16_t*>(pcm);
  for (int c = 0; c < 2; ++c) {
    SCOPED_TRACE("channel " + std::to_string(c));
    std::vector<double> steps;
    steps.reserve(frames);
    for (size_t i = 1; i < frames; ++i) steps.push_back(std::abs(s[i * 2 + c] - s[(i - 1) * 2 + c]));
    std::sort(steps.begin(), steps.end());
    const double p999 = steps[steps.size() * 999 / 1000];
    const double wrap = std::abs(s[c] - s[(frames - 1) * 2 + c]);
    EXPECT_LE(wrap, p999) << "click where the loop restarts";
    // no change of level or offset across the loop point: the last and the first half second agree
    auto stats = [&](size_t from) {
      double sum = 0, sq = 0;
      const size_t n = 5512;
      for (size_t i = from; i < from + n; ++i) {
        sum += s[i * 2 + c];
        sq += static_cast<double>(s[i * 2 + c]) * s[i * 2 + c];
      }
      return std::pair{sum / n, std::sqrt(sq / n)};
    };
    auto [mean_end, rms_end] = stats(frames - 5512);
    auto [mean_start, rms_start] = stats(0);
    EXPECT_GT(rms_start, 200.0) << "silent";
    EXPECT_LT(std::max(rms_start, rms_end) / std::min(rms_start, rms_end), 2.5);
    EXPECT_LT(std::abs(mean_end - mean_start), 0.1 * rms_start);
  }
}

}  // namespace
}  // namespace lunvale::assets
