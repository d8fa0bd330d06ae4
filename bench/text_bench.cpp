// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/text/device_context.h"

namespace {

using namespace lunvale::platform;

struct Screen {
  std::vector<uint32_t> pixels = std::vector<uint32_t>(1024 * 768, Rgb(20, 40, 60));
  PixelView View() { return {pixels.data(), 1024, 768, 1024}; }
};

// One gadget line as a frame draws it: font made and selected, colours set, text measured and drawn.
void BM_TextOut(benchmark::State& state) {
  Screen screen;
  for (auto _ : state) {
    DeviceContext dc(screen.View());
    dc.SelectFont(Font::Create("Arial", 20, FW_BOLD));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Rgb(255, 255, 255));
    benchmark::DoNotOptimize(dc.GetTextExtent("58...78\xB0"));
    dc.TextOut(609, 729, "58...78\xB0");
  }
  benchmark::ClobberMemory();
}
BENCHMARK(BM_TextOut);

// The ticker's frame: a feed's worth of titles measured whole and drawn clipped to its box.
void BM_TickerLine(benchmark::State& state) {
  Screen screen;
  std::string line;
  while (line.size() < 3000) line += "Storm closes coastal roads as rivers rise :: ";
  const int length = static_cast<int>(line.size());
  const Rect box{15, 709, 560, 749};
  int offset = 0;
  for (auto _ : state) {
    DeviceContext dc(screen.View());
    dc.SelectFont(Font::Create("Arial", 16, FW_BOLD));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Rgb(255, 255, 255));
    Size extent;
    dc.GetTextExtentPoint32(line.data(), length, &extent);
    offset = offset + 2 > 545 + extent.cx ? 0 : offset + 2;
    dc.ExtTextOut(15 + 545 - offset, 729, ETO_CLIPPED, &box, line.data(), length);
  }
  benchmark::ClobberMemory();
}
BENCHMARK(BM_TickerLine);

}  // namespace
