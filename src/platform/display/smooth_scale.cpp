// SPDX-License-Identifier: MIT
#include "platform/display/smooth_scale.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lunvale::platform {

namespace {

// Weights are 14-bit fractions so that a weight of one still fits a signed 16-bit lane. Rows filtered
// across keep 6 fractional bits per channel for the same reason (255 << 6 < 32768), plus half an output
// level: as the weights down the columns sum to one, that rounds the second pass, which drops all 20 bits.
constexpr int kWeightBits = 14;
constexpr int kOne = 1 << kWeightBits;
constexpr int kFractionBits = 6;
constexpr int kAcrossShift = kWeightBits - kFractionBits;
constexpr int kDownShift = kWeightBits + kFractionBits;
constexpr int32_t kAcrossRound = (1 << (kAcrossShift - 1)) + (1 << (kFractionBits - 1) << kAcrossShift);

int16_t LowWeight(uint32_t pair) {
  return static_cast<int16_t>(pair & 0xFFFF);
}
int16_t HighWeight(uint32_t pair) {
  return static_cast<int16_t>(pair >> 16);
}

// Output pixels [x, width) of one canvas row filtered across, `pairs` tap pairs each.
void AcrossRest(const uint32_t* src, const int32_t* index, const uint32_t* weights, int pairs, int x,
                int width, int16_t* out) {
  for (index += 2 * x * pairs, weights += x * pairs; x < width; ++x) {
    int32_t sum[4] = {kAcrossRound, kAcrossRound, kAcrossRound, kAcrossRound};
    for (int k = 0; k < pairs; ++k, index += 2, ++weights) {
      const uint32_t a = src[index[0]], b = src[index[1]];
      for (int c = 0; c < 4; ++c)
        sum[c] += static_cast<int32_t>((a >> (8 * c)) & 0xFF) * LowWeight(*weights) +
                  static_cast<int32_t>((b >> (8 * c)) & 0xFF) * HighWeight(*weights);
    }
    for (int c = 0; c < 4; ++c) out[4 * x + c] = static_cast<int16_t>(sum[c] >> kAcrossShift);
  }
}

// Output pixels [0, width) of one canvas row, filtered across into 4 channels a pixel (B, G, R, X), each
// from a window of `pairs` * 2 canvas pixels, a multiple of 4, from index[2 * pairs * x] on.
void FilterAcross(const uint32_t* src, const int32_t* index, const uint32_t* weights, int pairs, int width,
                  int16_t* out) {
  int x = 0;
#if defined(__SSE2__)
  // Four taps t0 t1 t2 t3 read at once become t0 t2 | t1 t3 and then interleave byte by byte into the
  // pairs t0 t1 and t2 t3 as the multiply-add takes them.
  const __m128i zero = _mm_setzero_si128();
  const __m128i round = _mm_set1_epi32(kAcrossRound);
  for (; x + 2 <= width; x += 2) {
    __m128i sum[2];
    for (int p = 0; p < 2; ++p) {
      const uint32_t* from = src + index[2 * pairs * (x + p)];
      const uint32_t* w = weights + pairs * (x + p);
      __m128i s = round;
      for (int k = 0; k < pairs; k += 2) {
        const __m128i t = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 2 * k)),
                                            _MM_SHUFFLE(3, 1, 2, 0));
        const __m128i taps = _mm_unpacklo_epi8(t, _mm_srli_si128(t, 8));
        const __m128i wk = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(w + k));
        s = _mm_add_epi32(s, _mm_madd_epi16(_mm_unpacklo_epi8(taps, zero), _mm_shuffle_epi32(wk, 0x00)));
        s = _mm_add_epi32(s, _mm_madd_epi16(_mm_unpackhi_epi8(taps, zero), _mm_shuffle_epi32(wk, 0x55)));
      }
      sum[p] = _mm_srai_epi32(s, kAcrossShift);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * x), _mm_packs_epi32(sum[0], sum[1]));
  }
#endif
  AcrossRest(src, index, weights, pairs, x, width, out);
}

// The same when enlarging: one pair of neighbours a pixel, index[2x] and the one after it.
void FilterAcrossNeighbours(const uint32_t* src, const int32_t* index, const uint32_t* weights, int width,
                            int16_t* out) {
  int x = 0;
#if defined(__SSE2__)
  // Two pixels' pairs of neighbours, a0 a1 and b0 b1, become a0 b0 | a1 b1 and then interleave byte by byte
  // into both pixels' taps as the multiply-add takes them.
  const __m128i zero = _mm_setzero_si128();
  const __m128i round = _mm_set1_epi32(kAcrossRound);
  for (; x + 2 <= width; x += 2) {
    const __m128i a = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + index[2 * x]));
    const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + index[2 * x + 2]));
    const __m128i ab = _mm_unpacklo_epi32(a, b);
    const __m128i taps = _mm_unpacklo_epi8(ab, _mm_srli_si128(ab, 8));
    const __m128i w = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(weights + x));
    const __m128i sa = _mm_madd_epi16(_mm_unpacklo_epi8(taps, zero), _mm_shuffle_epi32(w, 0x00));
    const __m128i sb = _mm_madd_epi16(_mm_unpackhi_epi8(taps, zero), _mm_shuffle_epi32(w, 0x55));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * x),
                     _mm_packs_epi32(_mm_srai_epi32(_mm_add_epi32(sa, round), kAcrossShift),
                                     _mm_srai_epi32(_mm_add_epi32(sb, round), kAcrossShift)));
  }
#endif
  AcrossRest(src, index, weights, 1, x, width, out);
}

// One output row from filtered rows, tap pair k being rows[2k] and rows[2k + 1].
void FilterDown(const int16_t* const* rows, const uint32_t* weights, int pairs, int width, uint32_t* out) {
  int i = 0;  // in channels: 4 a pixel
  const int end = 4 * width;
#if defined(__SSE2__)
  for (; i + 16 <= end; i += 16) {
    __m128i s0 = _mm_setzero_si128(), s1 = s0, s2 = s0, s3 = s0;
    for (int k = 0; k < pairs; ++k) {
      const int16_t* a = rows[2 * k] + i;
      const int16_t* b = rows[2 * k + 1] + i;
      const __m128i w = _mm_set1_epi32(static_cast<int>(weights[k]));
      const __m128i a0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
      const __m128i a1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 8));
      const __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
      const __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 8));
      s0 = _mm_add_epi32(s0, _mm_madd_epi16(_mm_unpacklo_epi16(a0, b0), w));
      s1 = _mm_add_epi32(s1, _mm_madd_epi16(_mm_unpackhi_epi16(a0, b0), w));
      s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpacklo_epi16(a1, b1), w));
      s3 = _mm_add_epi32(s3, _mm_madd_epi16(_mm_unpackhi_epi16(a1, b1), w));
    }
    const __m128i lo = _mm_packs_epi32(_mm_srai_epi32(s0, kDownShift), _mm_srai_epi32(s1, kDownShift));
    const __m128i hi = _mm_packs_epi32(_mm_srai_epi32(s2, kDownShift), _mm_srai_epi32(s3, kDownShift));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i / 4), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < end; i += 4) {
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c) {
      int32_t sum = 0;
      for (int k = 0; k < pairs; ++k)
        sum += rows[2 * k][i + c] * LowWeight(weights[k]) + rows[2 * k + 1][i + c] * HighWeight(weights[k]);
      pixel |= static_cast<uint32_t>(std::clamp(sum >> kDownShift, 0, 255)) << (8 * c);
    }
    out[i / 4] = pixel;
  }
}

// The same from two rows, as when enlarging: the nearer row plus the difference to the other one times
// the other's weight, at most a half, doubled on both sides to keep the high half of the product in 16 bits.
void FilterDownTwo(const int16_t* a, const int16_t* b, uint32_t pair, int width, uint32_t* out) {
  int weight = HighWeight(pair);
  if (weight > kOne / 2) {
    std::swap(a, b);
    weight = LowWeight(pair);
  }
  int i = 0;
  const int end = 4 * width;
#if defined(__SSE2__)
  const __m128i w = _mm_set1_epi16(static_cast<int16_t>(2 * weight));
  for (; i + 16 <= end; i += 16) {
    __m128i v[2];
    for (int h = 0; h < 2; ++h) {
      const __m128i near = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i + 8 * h));
      const __m128i d = _mm_sub_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i + 8 * h)), near);
      v[h] = _mm_srai_epi16(_mm_add_epi16(near, _mm_mulhi_epi16(_mm_add_epi16(d, d), w)), kFractionBits);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i / 4), _mm_packus_epi16(v[0], v[1]));
  }
#endif
  for (; i < end; i += 4) {
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c) {
      const int v = a[i + c] + ((2 * (b[i + c] - a[i + c]) * 2 * weight) >> 16);
      pixel |= static_cast<uint32_t>(std::clamp(v >> kFractionBits, 0, 255)) << (8 * c);
    }
    out[i / 4] = pixel;
  }
}

}  // namespace

SmoothScaler::Axis SmoothScaler::MakeAxis(int in, int out) {
  Axis axis;
  axis.in = in;
  axis.out = out;
  const double scale = static_cast<double>(in) / out;
  // Shrinking widens the tent to an output pixel's reach, so that every canvas pixel counts.
  const double radius = std::max(1.0, scale);
  // Each output pixel's weights on the canvas pixels from lows[i] on, taps past the edges given to the
  // edge pixel.
  std::vector<std::vector<double>> weights(static_cast<size_t>(out));
  std::vector<int> lows(static_cast<size_t>(out));
  int most = 1;
  for (size_t i = 0; i < weights.size(); ++i) {
    const double centre = (static_cast<double>(i) + 0.5) * scale - 0.5;
    // The pixels strictly inside the tent.
    const int from = static_cast<int>(std::floor(centre - radius)) + 1;
    const int to = static_cast<int>(std::ceil(centre + radius)) - 1;
    lows[i] = std::clamp(from, 0, in - 1);
    auto& w = weights[i];
    w.assign(static_cast<size_t>(std::clamp(to, 0, in - 1) - lows[i] + 1), 0.0);
    for (int j = from; j <= to; ++j)
      w[static_cast<size_t>(std::clamp(j, 0, in - 1) - lows[i])] +=
          std::max(0.0, 1 - std::abs(j - centre) / radius);
    most = std::max(most, static_cast<int>(w.size()));
  }
  // Two taps when enlarging; when shrinking, a multiple of four, which the vector code reads at once. Each
  // pixel's taps are consecutive canvas pixels, a window moved inwards at the edges, unless the canvas has
  // fewer pixels than that.
  axis.taps = most <= 2 ? 2 : (most + 3) / 4 * 4;
  if (axis.taps > in) axis.taps = (most + 1) / 2 * 2;
  axis.window = axis.taps <= in;
  const size_t n = static_cast<size_t>(axis.taps);
  axis.index.resize(n * static_cast<size_t>(out));
  axis.pairs.assign(n / 2 * static_cast<size_t>(out), 0);
  axis.first.resize(static_cast<size_t>(out));
  axis.last.resize(static_cast<size_t>(out));
  std::vector<int32_t> quantised(n);
  for (size_t i = 0; i < weights.size(); ++i) {
    const auto& w = weights[i];
    const int start = std::clamp(lows[i], 0, std::max(in - axis.taps, 0));
    // Rounded weights sum to one exactly, the difference going to the heaviest, so that a flat
    // picture stays flat.
    double total = 0;
    for (const double v : w) total += v;
    std::fill(quantised.begin(), quantised.end(), 0);
    int32_t sum = 0;
    size_t heaviest = 0;
    for (size_t k = 0; k < w.size(); ++k) {
      const size_t tap = static_cast<size_t>(lows[i] - start) + k;
      quantised[tap] = static_cast<int32_t>(std::lround(w[k] / total * kOne));
      sum += quantised[tap];
      if (quantised[tap] > quantised[heaviest]) heaviest = tap;
    }
    quantised[heaviest] += kOne - sum;
    axis.first[i] = in;
    axis.last[i] = -1;
    for (size_t k = 0; k < n; ++k) {
      const int index = std::min(start + static_cast<int>(k), in - 1);
      axis.index[i * n + k] = index;
      axis.pairs[(i * n + k) / 2] |= static_cast<uint32_t>(quantised[k]) << (k % 2 == 0 ? 0 : 16);
      if (quantised[k] > 0) {
        axis.first[i] = std::min(axis.first[i], index);
        axis.last[i] = std::max(axis.last[i], index);
      }
    }
  }
  // Rounding could let a pixel's reach end before its left neighbour's does; the bounds are searched
  // for as if they grew with the position, which these make exact.
  for (size_t i = 1; i < axis.last.size(); ++i) axis.last[i] = std::max(axis.last[i], axis.last[i - 1]);
  for (size_t i = axis.first.size() - 1; i-- > 0;) axis.first[i] = std::min(axis.first[i], axis.first[i + 1]);
  return axis;
}

const SmoothScaler::Axis& SmoothScaler::AxisFor(int in, int out) {
  for (const Axis& axis : axes_)
    if (axis.in == in && axis.out == out) return axis;
  axes_.push_back(MakeAxis(in, out));
  return axes_.back();
}

RECT SmoothScaler::Draw(PixelView dst, const FitBox& box, const PixelView& canvas, const RECT& changed,
                        const GammaLut& lut) {
  if (box.w <= 0 || box.h <= 0 || canvas.Empty() || dst.Empty()) return {};
  // The box's pixels inside `dst`, and the changed part inside the canvas.
  const int box_x0 = std::max(0, -box.x), box_x1 = std::min(box.w, dst.width - box.x);
  const int box_y0 = std::max(0, -box.y), box_y1 = std::min(box.h, dst.height - box.y);
  const int left = std::max(changed.left, 0), right = std::min(changed.right, canvas.width);
  const int top = std::max(changed.top, 0), bottom = std::min(changed.bottom, canvas.height);
  if (box_x1 <= box_x0 || box_y1 <= box_y0 || right <= left || bottom <= top) return {};

  if (box.w == canvas.width && box.h == canvas.height) {
    const int x0 = std::max(left, box_x0), x1 = std::min(right, box_x1);
    const int y0 = std::max(top, box_y0), y1 = std::min(bottom, box_y1);
    if (x1 <= x0 || y1 <= y0) return {};
    for (int y = y0; y < y1; ++y) {
      uint32_t* d = dst.Row(box.y + y) + box.x + x0;
      if (lut.identity)
        std::memcpy(d, canvas.Row(y) + x0, static_cast<size_t>(x1 - x0) * sizeof(uint32_t));
      else
        ApplyGammaRow(d, canvas.Row(y) + x0, x1 - x0, lut);
    }
    return RECT{box.x + x0, box.y + y0, box.x + x1, box.y + y1};
  }

  // Several monitors' boxes should not make the cache grow without end; it is cleared before either
  // table is looked up, so that both stay.
  if (axes_.size() > 6) axes_.clear();
  const Axis& ax = AxisFor(canvas.width, box.w);
  const Axis& ay = AxisFor(canvas.height, box.h);

  // Output pixels from the first whose last tap reaches the changed part to the first whose first tap
  // lies past it.
  auto reach = [](const Axis& a, int from, int to, int lo, int hi) {
    const auto begin = std::partition_point(a.last.begin(), a.last.end(), [&](int v) { return v < from; });
    const auto end = std::partition_point(a.first.begin(), a.first.end(), [&](int v) { return v < to; });
    return std::pair{std::max(static_cast<int>(begin - a.last.begin()), lo),
                     std::min(static_cast<int>(end - a.first.begin()), hi)};
  };
  const auto [x0, x1] = reach(ax, left, right, box_x0, box_x1);
  const auto [y0, y1] = reach(ay, top, bottom, box_y0, box_y1);
  if (x1 <= x0 || y1 <= y0) return {};

  // The canvas rows one output row needs are consecutive and at most `taps`, so each row has its slot
  // at its index modulo `taps`, and enlarging filters each row once for the two or three output rows
  // that need it.
  const int width = x1 - x0;
  const size_t row_size = 4 * static_cast<size_t>(width);
  const int taps = ay.taps;
  if (rows_.size() < row_size * static_cast<size_t>(taps)) rows_.resize(row_size * static_cast<size_t>(taps));
  row_of_.assign(static_cast<size_t>(taps), -1);
  row_taps_.resize(static_cast<size_t>(taps));
  const int32_t* x_index = ax.index.data() + static_cast<ptrdiff_t>(x0) * ax.taps;
  const uint32_t* x_pairs = ax.pairs.data() + static_cast<ptrdiff_t>(x0) * (ax.taps / 2);
  for (int y = y0; y < y1; ++y) {
    for (int k = 0; k < taps; ++k) {
      const int row = ay.index[static_cast<size_t>(y) * static_cast<size_t>(taps) + static_cast<size_t>(k)];
      const size_t slot = static_cast<size_t>(row % taps);
      int16_t* filtered = rows_.data() + slot * row_size;
      if (row_of_[slot] != row) {
        if (!ax.window)
          AcrossRest(canvas.Row(row), x_index, x_pairs, ax.taps / 2, 0, width, filtered);
        else if (ax.taps == 2)
          FilterAcrossNeighbours(canvas.Row(row), x_index, x_pairs, width, filtered);
        else
          FilterAcross(canvas.Row(row), x_index, x_pairs, ax.taps / 2, width, filtered);
        row_of_[slot] = row;
      }
      row_taps_[static_cast<size_t>(k)] = filtered;
    }
    uint32_t* d = dst.Row(box.y + y) + box.x + x0;
    const uint32_t* y_pairs = ay.pairs.data() + static_cast<ptrdiff_t>(y) * (taps / 2);
    if (taps == 2)
      FilterDownTwo(row_taps_[0], row_taps_[1], *y_pairs, width, d);
    else
      FilterDown(row_taps_.data(), y_pairs, taps / 2, width, d);
    if (!lut.identity) ApplyGammaRow(d, d, width, lut);
  }
  return RECT{box.x + x0, box.y + y0, box.x + x1, box.y + y1};
}

}  // namespace lunvale::platform
