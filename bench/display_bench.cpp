// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/display/direct_draw.h"
#include "platform/display/scaling.h"
#include "platform/display/smooth_scale.h"
#include "platform/pictures/picture.h"
#include "platform/system/resources.h"
#include "support/picture_files.h"

using namespace lunvale::platform;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// A sprite-like picture: about a third of it black (transparent under key 0), the rest varied colour.
std::unique_ptr<MemorySurface> SpriteSurface() {
  auto s = std::make_unique<MemorySurface>(kWidth, kHeight);
  const PixelView v = s->Pixels();
  uint32_t seed = 12345;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      seed = seed * 1664525u + 1013904223u;
      v.Row(y)[x] = (seed >> 30) == 0 || ((x / 64 + y / 64) % 3 == 0) ? 0u : (seed >> 8) & 0xFFFFFF;
    }
  return s;
}

// A stand-in for the water strip when the real one is not embedded: 649 x 8576 of ripples and grain.
std::vector<unsigned char> MakeStripJpeg() {
  uint32_t seed = 7;
  return lunvale::testing::EncodeJpeg(
      649, 8576,
      [&seed](int x, int y) {
        seed = seed * 1664525u + 1013904223u;
        const double ripple = std::sin(x * 0.05 + (y % 268) * 0.11) * std::cos(y * 0.031);
        const int grain = static_cast<int>(seed >> 28) - 8;
        const auto level = [&](int base, int depth) {
          return static_cast<uint32_t>(std::clamp(base + static_cast<int>(depth * ripple) + grain, 0, 255));
        };
        return (level(60, 30) << 16) | (level(110, 40) << 8) | level(150, 50);
      },
      90);
}

}  // namespace

// The reference the blits are measured against: the same bytes as one frame-sized copy.
static void BM_Memcpy(benchmark::State& state) {
  std::vector<uint32_t> src(static_cast<size_t>(kWidth) * kHeight, 0x123456), dst(src.size());
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), src.size() * sizeof(uint32_t));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
}
BENCHMARK(BM_Memcpy);

static void BM_BltFastOpaque(benchmark::State& state) {
  auto src = SpriteSurface();
  MemorySurface dst(kWidth, kHeight);
  for (auto _ : state) {
    if (dst.BltFast(0, 0, src.get(), nullptr, DDBLTFAST_NOCOLORKEY) != DD_OK)
      state.SkipWithError("blit failed");
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
}
BENCHMARK(BM_BltFastOpaque);

// The background as the sprite clips it, 1023 x 767: row by row rather than one block.
static void BM_BltFastOpaqueClipped(benchmark::State& state) {
  auto src = SpriteSurface();
  MemorySurface dst(kWidth, kHeight);
  const RECT clipped{0, 0, kWidth - 1, kHeight - 1};
  for (auto _ : state) {
    if (dst.BltFast(0, 0, src.get(), &clipped, DDBLTFAST_NOCOLORKEY) != DD_OK)
      state.SkipWithError("blit failed");
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * (kWidth - 1) * (kHeight - 1) * 4);
}
BENCHMARK(BM_BltFastOpaqueClipped);

static void BM_BltFastKeyed(benchmark::State& state) {
  auto src = SpriteSurface();
  const DDCOLORKEY black{0, 0};
  src->SetColorKey(DDCKEY_SRCBLT, &black);
  MemorySurface dst(kWidth, kHeight);
  for (auto _ : state) {
    if (dst.BltFast(0, 0, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY) != DD_OK)
      state.SkipWithError("blit failed");
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
}
BENCHMARK(BM_BltFastKeyed);

// Decoding the water strip and cutting it into its 32 frame surfaces, as the strip sprite does at start:
// each frame's rows are copied into a strip bitmap and drawn into the surface through its device context.
static void BM_CutStrip(benchmark::State& state) {
  std::vector<unsigned char> generated;
  std::span<const unsigned char> bytes;
  if (auto res = FindResource("QMV1")) {
    bytes = *res;
  } else {
    generated = MakeStripJpeg();
    bytes = generated;
  }
  const int frame_height = 268;
  for (auto _ : state) {
    const Picture picture = Picture::Load(bytes, "QMV1");
    const Bitmap& dib = picture.GetBitmap();
    const int frames = dib.Height() / frame_height;
    Bitmap strip(dib.Width(), frame_height);
    std::vector<std::shared_ptr<MemorySurface>> surfaces;
    for (int i = 0; i < frames; ++i) {
      auto surface = std::make_shared<MemorySurface>(dib.Width(), frame_height);
      DeviceContext* dc = nullptr;
      if (surface->GetDC(&dc) != DD_OK) state.SkipWithError("GetDC failed");
      CopyRect(strip.View(), 0, 0, dib.View(),
               RECT{0, i * frame_height, dib.Width(), (i + 1) * frame_height});
      StretchDraw(dc->Target(), RECT{0, 0, dib.Width(), frame_height}, strip.View());
      surface->ReleaseDC(dc);
      surfaces.push_back(std::move(surface));
    }
    if (frames != 32) state.SkipWithError("the strip does not have 32 frames");
    benchmark::DoNotOptimize(surfaces.data());
  }
}
BENCHMARK(BM_CutStrip)->Unit(benchmark::kMillisecond);

// The decoding alone, to tell it from the cutting.
static void BM_DecodeStrip(benchmark::State& state) {
  std::vector<unsigned char> generated;
  std::span<const unsigned char> bytes;
  if (auto res = FindResource("QMV1")) {
    bytes = *res;
  } else {
    generated = MakeStripJpeg();
    bytes = generated;
  }
  for (auto _ : state) benchmark::DoNotOptimize(Picture::Load(bytes, "QMV1").Width());
}
BENCHMARK(BM_DecodeStrip)->Unit(benchmark::kMillisecond);

namespace {

// A canvas like the scene's: smooth gradients under noise, so that no two neighbours are alike.
std::vector<uint32_t> SceneCanvas(int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  uint32_t seed = 99;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      pixels[static_cast<size_t>(y) * width + x] = Rgb(
          static_cast<uint8_t>(x + (seed >> 29)), static_cast<uint8_t>(y), static_cast<uint8_t>(seed >> 24));
    }
  return pixels;
}

// Scaling the canvas (args 0, 1) into an output (args 2, 3), all of it or, with args 4 and 5, a part of that
// size in the middle of the canvas, as when the water alone changed.
void ScaleCanvas(benchmark::State& state) {
  const int cw = static_cast<int>(state.range(0)), ch = static_cast<int>(state.range(1));
  const int ow = static_cast<int>(state.range(2)), oh = static_cast<int>(state.range(3));
  std::vector<uint32_t> canvas_pixels = SceneCanvas(cw, ch), out(static_cast<size_t>(ow) * oh);
  const PixelView canvas{canvas_pixels.data(), cw, ch, cw}, dst{out.data(), ow, oh, ow};
  RECT part{0, 0, cw, ch};
  if (state.range(4) > 0) {
    part.left = (cw - static_cast<int>(state.range(4))) / 2;
    part.top = (ch - static_cast<int>(state.range(5))) / 2;
    part.right = part.left + static_cast<int>(state.range(4));
    part.bottom = part.top + static_cast<int>(state.range(5));
  }
  const GammaLut identity = MakeGammaLut(IdentityGammaRamp());
  SmoothScaler scaler;
  int64_t pixels = 0;
  for (auto _ : state) {
    const RECT r = scaler.Draw(dst, FitBox{0, 0, ow, oh}, canvas, part, identity);
    pixels += static_cast<int64_t>(r.right - r.left) * (r.bottom - r.top);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(pixels);  // output pixels
}

}  // namespace

static void BM_SmoothScale(benchmark::State& state) {
  ScaleCanvas(state);
}
BENCHMARK(BM_SmoothScale)
    ->ArgNames({"cw", "ch", "ow", "oh", "pw", "ph"})
    ->Args({1365, 768, 1920, 1080, 0, 0})
    ->Args({1365, 768, 3840, 2160, 0, 0})
    ->Args({1792, 768, 3840, 2160, 0, 0})
    ->Args({1024, 768, 1024, 768, 0, 0})
    ->Args({1024, 768, 800, 600, 0, 0})
    ->Args({1024, 768, 320, 240, 0, 0})
    ->Args({1365, 768, 1920, 1080, 700, 360})
    ->Unit(benchmark::kMicrosecond);

// The water as the saver redraws it on a 1920 x 1080 monitor: canvas columns 272 to 1184 and rows 400 on,
// in bands of 16 rows as a bird crossing them cuts the changed tiles. Arg 0: drawn band by band (0), as
// one list of parts (1), or as one rectangle (2), for comparison.
static void BM_SmoothScaleBands(benchmark::State& state) {
  const int cw = 1365, ch = 768, ow = 1920, oh = 1080;
  std::vector<uint32_t> canvas_pixels = SceneCanvas(cw, ch), out(static_cast<size_t>(ow) * oh);
  const PixelView canvas{canvas_pixels.data(), cw, ch, cw}, dst{out.data(), ow, oh, ow};
  std::vector<RECT> bands;
  for (int top = 400; top < ch; top += 16) bands.push_back(RECT{272, top, 1184, top + 16});
  const RECT whole{272, 400, 1184, ch};
  const GammaLut identity = MakeGammaLut(IdentityGammaRamp());
  const FitBox box{0, 0, ow, oh};
  SmoothScaler scaler;
  std::vector<RECT> written;
  const RECT reach = scaler.Draw(dst, box, canvas, whole, identity);
  for (auto _ : state) {
    if (state.range(0) == 0)
      for (const RECT& band : bands) scaler.Draw(dst, box, canvas, band, identity);
    else if (state.range(0) == 1)
      scaler.DrawParts(dst, box, canvas, bands, identity, written);
    else
      scaler.Draw(dst, box, canvas, whole, identity);
    written.clear();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * (reach.right - reach.left) *
                          (reach.bottom - reach.top));  // output pixels of the water
}
BENCHMARK(BM_SmoothScaleBands)->ArgName("mode")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
