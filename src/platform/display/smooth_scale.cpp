// SPDX-License-Identifier: MIT
#include "platform/display/smooth_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <tuple>
#include <utility>

#if defined(__SSE2__)
#include <immintrin.h>
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
// Output columns a strip: two rows filtered across that wide, 30 KB, fit a first-level cache.
constexpr int kStrip = 1920;

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

// Output pixels [x, width) of one output row from filtered rows, tap pair k being rows[2k] and rows[2k + 1].
void FilterDown(const int16_t* const* rows, const uint32_t* weights, int pairs, int x, int width,
                uint32_t* out) {
  int i = 4 * x;  // in channels: 4 a pixel
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

#if defined(__SSE2__)
// The same with 256-bit vectors where the processor has them; the file itself is built for any x86-64.

// Quads of output pixels from their tables, one to a 256-bit vector. With the weights summing to one,
// (l * wl + r * wr + kAcrossRound) >> 8 is (l << 6) + 32 + (((r - l) * wr + 128) >> 8), which a rounding high
// multiply of (r - l) << 6 by twice the weight gives exactly; a weight of one, whose double does not fit,
// multiplies by 32767 instead, which gives the same.
__attribute__((target("avx2"))) void FilterAcrossQuadsAvx2(const uint32_t* src, const int32_t* windows,
                                                           const int16_t* weights, int quads, int16_t* out) {
  // For a quad's two pairs whose second pixels start 0, 1 or 2 canvas pixels on (first pair's + 3 times
  // the second's), the bytes of the windows that are each channel's left and right taps.
  alignas(32) static constexpr auto kPicks = [] {
    std::array<std::array<int8_t, 32>, 9> picks{};
    for (int k = 0; k < 9; ++k)
      for (int b = 0; b < 32; ++b)
        picks[k][b] =
            static_cast<int8_t>((b % 16 < 8 ? 0 : 4 * (b < 16 ? k % 3 : k / 3)) + b % 2 * 4 + b / 2 % 4);
    return picks;
  }();
  const __m256i spread = _mm256_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 2, 3, 2, 3, 2, 3, 2, 3,  //
                                          4, 5, 4, 5, 4, 5, 4, 5, 6, 7, 6, 7, 6, 7, 6, 7);
  const __m256i step_of = _mm256_set1_epi16(64 << 8 | (-64 & 0xFF));  // (r - l) << 6
  const __m256i left_of = _mm256_set1_epi16(64);                      // l << 6
  const __m256i half = _mm256_set1_epi16(1 << (kFractionBits - 1));
  for (int q = 0; q < quads; ++q) {
    const __m256i window = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src + windows[3 * q]))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + windows[3 * q + 1])), 1);
    const __m256i taps =
        _mm256_shuffle_epi8(window, _mm256_load_si256(reinterpret_cast<const __m256i*>(
                                        kPicks[static_cast<size_t>(windows[3 * q + 2])].data())));
    int64_t four;
    std::memcpy(&four, weights + 4 * q, sizeof four);
    const __m256i step = _mm256_mulhrs_epi16(_mm256_maddubs_epi16(taps, step_of),
                                             _mm256_shuffle_epi8(_mm256_set1_epi64x(four), spread));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 16 * q),
                        _mm256_add_epi16(_mm256_add_epi16(_mm256_maddubs_epi16(taps, left_of), half), step));
  }
  _mm256_zeroupper();
}

// Sixteen output pixels a step where the processor permutes bytes across 512-bit vectors: one window of
// sixteen canvas pixels holds every tap of the group, and each half of the group takes its pixels' taps
// out of it in one permutation. The arithmetic is the quads'.
__attribute__((target("avx512bw,avx512vbmi"))) void FilterAcrossGroupsAvx512(const uint32_t* src,
                                                                             const int32_t* windows,
                                                                             const uint8_t* picks,
                                                                             const int16_t* weights,
                                                                             int groups, int16_t* out) {
  const __m512i step_of = _mm512_set1_epi16(64 << 8 | (-64 & 0xFF));
  const __m512i left_of = _mm512_set1_epi16(64);
  const __m512i half = _mm512_set1_epi16(1 << (kFractionBits - 1));
  // Each pixel's weight for its four channels.
  const __m512i spread[2] = {
      _mm512_set_epi64(0x0007000700070007, 0x0006000600060006, 0x0005000500050005, 0x0004000400040004,
                       0x0003000300030003, 0x0002000200020002, 0x0001000100010001, 0),
      _mm512_set_epi64(0x000F000F000F000F, 0x000E000E000E000E, 0x000D000D000D000D, 0x000C000C000C000C,
                       0x000B000B000B000B, 0x000A000A000A000A, 0x0009000900090009, 0x0008000800080008)};
  for (int g = 0; g < groups; ++g, picks += 128, weights += 16, out += 64) {
    const __m512i window = _mm512_loadu_si512(src + windows[g]);
    const __m512i sixteen =
        _mm512_castsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(weights)));
    for (int h = 0; h < 2; ++h) {
      const __m512i taps =
          _mm512_maskz_permutexvar_epi8(~__mmask64{0}, _mm512_loadu_si512(picks + 64 * h), window);
      const __m512i step =
          _mm512_mulhrs_epi16(_mm512_maddubs_epi16(taps, step_of),
                              _mm512_maskz_permutexvar_epi16(~__mmask32{0}, spread[h], sixteen));
      _mm512_storeu_si512(
          out + 32 * h, _mm512_add_epi16(_mm512_add_epi16(_mm512_maddubs_epi16(taps, left_of), half), step));
    }
  }
  _mm256_zeroupper();
}

// Packing within lanes leaves the four quarters of the row as 0, 2, 1, 3.
__attribute__((target("avx2"))) __m256i PackInOrder(__m256i lo, __m256i hi) {
  return _mm256_permute4x64_epi64(_mm256_packus_epi16(lo, hi), _MM_SHUFFLE(3, 1, 2, 0));
}

__attribute__((target("avx2"))) void FilterDownAvx2(const int16_t* const* rows, const uint32_t* weights,
                                                    int pairs, int width, uint32_t* out) {
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    __m256i s[4] = {_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256(),
                    _mm256_setzero_si256()};
    for (int k = 0; k < pairs; ++k) {
      const __m256i w = _mm256_set1_epi32(static_cast<int>(weights[k]));
      for (int h = 0; h < 2; ++h) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[2 * k] + 4 * x + 16 * h));
        const __m256i b =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[2 * k + 1] + 4 * x + 16 * h));
        s[2 * h] = _mm256_add_epi32(s[2 * h], _mm256_madd_epi16(_mm256_unpacklo_epi16(a, b), w));
        s[2 * h + 1] = _mm256_add_epi32(s[2 * h + 1], _mm256_madd_epi16(_mm256_unpackhi_epi16(a, b), w));
      }
    }
    __m256i v[2];
    for (int h = 0; h < 2; ++h)
      v[h] = _mm256_packs_epi32(_mm256_srai_epi32(s[2 * h], kDownShift),
                                _mm256_srai_epi32(s[2 * h + 1], kDownShift));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), PackInOrder(v[0], v[1]));
  }
  _mm256_zeroupper();  // a tail call would skip it, and slow down the narrower code
  FilterDown(rows, weights, pairs, x, width, out);
}

// With d = far - near, (d + d) * 2w >> 16 is d * 4w >> 16, which needs one multiply less, and for a weight
// of a half, d >> 1.
template <bool kHalf>
__attribute__((target("avx2"))) int FilterDownTwoRunAvx2(const int16_t* near, const int16_t* far, int weight,
                                                         int width, uint32_t* out) {
  const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(kHalf ? 0 : 4 * weight));
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    __m256i v[2];
    for (int h = 0; h < 2; ++h) {
      const __m256i n = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(near + 4 * x + 16 * h));
      const __m256i d =
          _mm256_sub_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(far + 4 * x + 16 * h)), n);
      v[h] = _mm256_srai_epi16(
          _mm256_add_epi16(n, kHalf ? _mm256_srai_epi16(d, 1) : _mm256_mulhi_epi16(d, w)), kFractionBits);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), PackInOrder(v[0], v[1]));
  }
  return x;
}

__attribute__((target("avx2"))) void FilterDownTwoAvx2(const int16_t* a, const int16_t* b, uint32_t pair,
                                                       int width, uint32_t* out) {
  if (width < 8) return FilterDownTwo(a, b, pair, width, out);
  const int16_t *near = a, *far = b;
  int weight = HighWeight(pair);
  if (weight > kOne / 2) {
    std::swap(near, far);
    weight = LowWeight(pair);
  }
  const auto run = [&](int from, int count) {
    return weight == kOne / 2
               ? FilterDownTwoRunAvx2<true>(near + 4 * from, far + 4 * from, weight, count, out + from)
               : FilterDownTwoRunAvx2<false>(near + 4 * from, far + 4 * from, weight, count, out + from);
  };
  // The first eight pixels and then from the first on a cache line's boundary, so that the wide stores,
  // and the loads from rows that began at an aligned pixel, do not straddle cache lines; the last eight
  // again where the row does not end on a whole eight. The overlaps write the same values twice.
  run(0, 8);
  const int lead = static_cast<int>((0 - reinterpret_cast<uintptr_t>(out)) / 4 % 8);
  if (lead + run(lead, width - lead) < width) run(width - 8, 8);
  _mm256_zeroupper();  // a tail call would skip it, and slow down the narrower code
}
#endif

// Sorts spans of columns and makes those that overlap or touch one.
void Merge(std::vector<std::pair<int, int>>& spans) {
  std::sort(spans.begin(), spans.end());
  size_t n = 0;
  for (size_t i = 0; i < spans.size(); ++i)
    if (n > 0 && spans[i].first <= spans[n - 1].second)
      spans[n - 1].second = std::max(spans[n - 1].second, spans[i].second);
    else
      spans[n++] = spans[i];
  spans.resize(n);
}

// The forms of the passes this processor runs best; no quads where it has no 256-bit vectors.
struct Passes {
  void (*across_quads)(const uint32_t* src, const int32_t* windows, const int16_t* weights, int quads,
                       int16_t* out);
  void (*across_groups)(const uint32_t* src, const int32_t* windows, const uint8_t* picks,
                        const int16_t* weights, int groups, int16_t* out);
  void (*down)(const int16_t* const* rows, const uint32_t* weights, int pairs, int width, uint32_t* out);
  void (*down_two)(const int16_t* a, const int16_t* b, uint32_t pair, int width, uint32_t* out);
};

const Passes& PassesHere() {
  static const Passes passes = [] {
#if defined(__SSE2__)
    if (__builtin_cpu_supports("avx2"))
      return Passes{FilterAcrossQuadsAvx2,
                    __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi")
                        ? FilterAcrossGroupsAvx512
                        : nullptr,
                    FilterDownAvx2, FilterDownTwoAvx2};
#endif
    return Passes{nullptr, nullptr,
                  [](const int16_t* const* rows, const uint32_t* weights, int pairs, int width,
                     uint32_t* out) { FilterDown(rows, weights, pairs, 0, width, out); },
                  FilterDownTwo};
  }();
  return passes;
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
  // The quads run while a pair's second pixel starts at most 2 canvas pixels on and the windows stay
  // inside the row.
  if (axis.taps == 2 && axis.window)
    for (const int32_t* index = axis.index.data(); 4 * axis.quads + 4 <= out; ++axis.quads, index += 8) {
      const int on0 = index[2] - index[0], on1 = index[6] - index[4];
      if (std::max(index[0], index[4]) > in - 4 || on0 < 0 || on0 > 2 || on1 < 0 || on1 > 2) break;
      axis.quad_windows.insert(axis.quad_windows.end(), {index[0], index[4], on0 + 3 * on1});
      for (int p = 0; p < 4; ++p)
        axis.quad_weights.push_back(static_cast<int16_t>(
            std::min(2 * HighWeight(axis.pairs[static_cast<size_t>(4 * axis.quads + p)]), 32767)));
    }
  // The groups run while every tap of a group lies in the sixteen canvas pixels from its first one's on,
  // and those inside the row.
  if (axis.taps == 2 && axis.window)
    for (const int32_t* index = axis.index.data(); 16 * axis.groups + 16 <= out; ++axis.groups, index += 32) {
      const int start = index[0];
      const auto [low, high] = std::minmax_element(index, index + 32);
      if (start > in - 16 || *low < start || *high >= start + 16) break;
      axis.group_windows.push_back(start);
      for (int p = 0; p < 16; ++p)
        for (int b = 0; b < 8; ++b)  // a pixel's taps: left and right byte of each channel in turn
          axis.group_picks.push_back(static_cast<uint8_t>(4 * (index[2 * p + b % 2] - start) + b / 2));
      for (int p = 0; p < 16; ++p)
        axis.group_weights.push_back(static_cast<int16_t>(
            std::min(2 * HighWeight(axis.pairs[static_cast<size_t>(16 * axis.groups + p)]), 32767)));
    }
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
  written_.clear();
  return DrawParts(dst, box, canvas, std::span(&changed, 1), lut, written_);
}

RECT SmoothScaler::DrawParts(PixelView dst, const FitBox& box, const PixelView& canvas,
                             std::span<const RECT> parts, const GammaLut& lut, std::vector<RECT>& written) {
  if (box.w <= 0 || box.h <= 0 || canvas.Empty() || dst.Empty()) return {};
  // The box's pixels inside `dst`.
  const int box_x0 = std::max(0, -box.x), box_x1 = std::min(box.w, dst.width - box.x);
  const int box_y0 = std::max(0, -box.y), box_y1 = std::min(box.h, dst.height - box.y);
  if (box_x1 <= box_x0 || box_y1 <= box_y0) return {};
  const bool copy = box.w == canvas.width && box.h == canvas.height;
  const Axis* ax = nullptr;
  const Axis* ay = nullptr;
  if (!copy) {
    // Several monitors' boxes should not make the cache grow without end; it is cleared before either
    // table is looked up, so that both stay.
    if (axes_.size() > 6) axes_.clear();
    ax = &AxisFor(canvas.width, box.w);
    ay = &AxisFor(canvas.height, box.h);
  }

  // The output pixels each part reaches, in the box: from the first whose last tap reaches the part to the
  // first whose first tap lies past it.
  auto reach = [](const Axis& a, int from, int to, int lo, int hi) {
    const auto begin = std::partition_point(a.last.begin(), a.last.end(), [&](int v) { return v < from; });
    const auto end = std::partition_point(a.first.begin(), a.first.end(), [&](int v) { return v < to; });
    return std::pair{std::max(static_cast<int>(begin - a.last.begin()), lo),
                     std::min(static_cast<int>(end - a.first.begin()), hi)};
  };
  areas_.clear();
  for (const RECT& part : parts) {
    const int left = std::max(part.left, 0), right = std::min(part.right, canvas.width);
    const int top = std::max(part.top, 0), bottom = std::min(part.bottom, canvas.height);
    if (right <= left || bottom <= top) continue;
    RECT area{std::max(left, box_x0), std::max(top, box_y0), std::min(right, box_x1),
              std::min(bottom, box_y1)};
    if (!copy) {
      std::tie(area.left, area.right) = reach(*ax, left, right, box_x0, box_x1);
      std::tie(area.top, area.bottom) = reach(*ay, top, bottom, box_y0, box_y1);
    }
    if (area.left < area.right && area.top < area.bottom) areas_.push_back(area);
  }
  if (areas_.empty()) return {};

  // The canvas rows one output row needs are consecutive and at most `taps`, so each row has its slot at
  // its index modulo `taps`, and enlarging filters each row once for the two or three output rows that
  // need it. A slot keeps the columns it was filtered for, so that parts side by side or one above the
  // other filter each column of a row once.
  const Passes& passes = PassesHere();
  const int taps = copy ? 0 : ay->taps;
  // Slots begin on cache lines, so that wide loads from them need not straddle two.
  const size_t stride = (4 * static_cast<size_t>(box_x1 - box_x0) + 31) / 32 * 32;
  int16_t* rows = nullptr;
  if (!copy) {
    if (rows_.size() < stride * static_cast<size_t>(taps) + 32)
      rows_.resize(stride * static_cast<size_t>(taps) + 32);
    rows = rows_.data() + (0 - reinterpret_cast<uintptr_t>(rows_.data())) % 64 / 2;
    row_of_.assign(static_cast<size_t>(taps), -1);
    if (filtered_.size() < static_cast<size_t>(taps)) filtered_.resize(static_cast<size_t>(taps));
    row_taps_.resize(static_cast<size_t>(taps));
  }
  // Enlarging: output columns [from, to) of one canvas row into its slot; the whole quads inside, then what
  // is left on either side.
  auto across_quads = [&](const uint32_t* src, int from, int to, int16_t* slot) {
    const int32_t* index = ax->index.data() + static_cast<ptrdiff_t>(from) * 2;
    const uint32_t* pairs = ax->pairs.data() + from;
    int16_t* out = slot + 4 * static_cast<ptrdiff_t>(from - box_x0);
    const int q0 = (from + 3) / 4, q1 = std::min(to / 4, ax->quads);
    if (passes.across_quads != nullptr && q0 < q1) {
      FilterAcrossNeighbours(src, index, pairs, 4 * q0 - from, out);
      passes.across_quads(src, ax->quad_windows.data() + 3 * q0, ax->quad_weights.data() + 4 * q0, q1 - q0,
                          out + 4 * (4 * q0 - from));
      index += 2 * (4 * q1 - from);
      pairs += 4 * q1 - from;
      out += 4 * (4 * q1 - from);
      from = 4 * q1;
    }
    FilterAcrossNeighbours(src, index, pairs, to - from, out);
  };
  auto across = [&](int row, int16_t* slot, int from, int to) {
    const uint32_t* src = canvas.Row(row);
    if (ax->window && ax->taps == 2) {
      if (passes.across_groups != nullptr) {
        // Whole groups over the columns asked for, if the processor has them. They may filter a few
        // columns more on either side, which the slot has room for and which come out as they would.
        const int g0 = std::max(from / 16, (box_x0 + 15) / 16);
        const int g1 = std::min({(to + 15) / 16, box_x1 / 16, ax->groups});
        if (g0 < g1) {
          if (from < 16 * g0) across_quads(src, from, 16 * g0, slot);
          passes.across_groups(src, ax->group_windows.data() + g0, ax->group_picks.data() + 128 * g0,
                               ax->group_weights.data() + 16 * g0, g1 - g0, slot + 4 * (16 * g0 - box_x0));
          from = std::max(from, 16 * g1);
        }
      }
      if (from < to) across_quads(src, from, to, slot);
      return;
    }
    const int32_t* index = ax->index.data() + static_cast<ptrdiff_t>(from) * ax->taps;
    const uint32_t* pairs = ax->pairs.data() + static_cast<ptrdiff_t>(from) * (ax->taps / 2);
    int16_t* out = slot + 4 * static_cast<ptrdiff_t>(from - box_x0);
    if (ax->window && ax->taps % 4 == 0) {
      FilterAcross(src, index, pairs, ax->taps / 2, to - from, out);
    } else {
      // Taps past the canvas's edges, or a canvas too narrow for a window of a multiple of four, which the
      // vector code reads at once.
      AcrossRest(src, index, pairs, ax->taps / 2, 0, to - from, out);
    }
  };
  // Canvas row `row` filtered across for columns [x0, x1), as far as its slot does not have them yet.
  auto filter = [&](int row, int x0, int x1) {
    const size_t slot = static_cast<size_t>(row % taps);
    int16_t* const filtered = rows + slot * stride;
    auto& done = filtered_[slot];
    if (row_of_[slot] != row) {
      row_of_[slot] = row;
      done.clear();
    }
    int x = x0;
    for (const auto& [from, to] : done) {
      if (to <= x) continue;
      if (from >= x1) break;
      if (from > x) across(row, filtered, x, from);
      x = to;
      if (x >= x1) break;
    }
    if (x < x1) {
      across(row, filtered, x, x1);
      done.emplace_back(x0, x1);
      Merge(done);
    }
    return filtered + 4 * static_cast<ptrdiff_t>(x0 - box_x0);
  };

  // Bands of output rows between the rows where an area begins or ends, each drawn in the spans that
  // its areas cover.
  cuts_.clear();
  for (const RECT& area : areas_) {
    cuts_.push_back(area.top);
    cuts_.push_back(area.bottom);
  }
  std::sort(cuts_.begin(), cuts_.end());
  cuts_.erase(std::unique(cuts_.begin(), cuts_.end()), cuts_.end());
  const size_t first = written.size();
  open_.clear();
  for (size_t band = 0; band + 1 < cuts_.size(); ++band) {
    const int top = cuts_[band], bottom = cuts_[band + 1];
    spans_.clear();
    for (const RECT& area : areas_)
      if (area.top <= top && area.bottom >= bottom) spans_.emplace_back(area.left, area.right);
    Merge(spans_);

    // What the band writes: a rectangle of the band above with the same columns grows down.
    const size_t above = open_.size();
    for (const auto& [x0, x1] : spans_) {
      const RECT r{box.x + x0, box.y + top, box.x + x1, box.y + bottom};
      const auto grows =
          std::find_if(open_.begin(), open_.begin() + static_cast<ptrdiff_t>(above), [&](size_t i) {
            return written[i].left == r.left && written[i].right == r.right && written[i].bottom == r.top;
          });
      if (grows != open_.begin() + static_cast<ptrdiff_t>(above)) {
        written[*grows].bottom = r.bottom;
        open_.push_back(*grows);
      } else {
        open_.push_back(written.size());
        written.push_back(r);
      }
    }
    open_.erase(open_.begin(), open_.begin() + static_cast<ptrdiff_t>(above));

    // Wide spans go in strips of columns, so that the two rows filtered across that enlarging reads for
    // a row of a strip stay in the first-level cache for the next rows.
    for (const auto& [left, right] : spans_)
      for (int x0 = left, x1; x0 < right; x0 = x1) {
        x1 = right - x0 < 2 * kStrip ? right : x0 + kStrip;
        const int width = x1 - x0;
        for (int y = top; y < bottom; ++y) {
          uint32_t* const d = dst.Row(box.y + y) + box.x + x0;
          if (copy) {
            if (lut.identity)
              std::memcpy(d, canvas.Row(y) + x0, static_cast<size_t>(width) * sizeof(uint32_t));
            else
              ApplyGammaRow(d, canvas.Row(y) + x0, width, lut);
            continue;
          }
          for (int k = 0; k < taps; ++k)
            row_taps_[static_cast<size_t>(k)] =
                filter(ay->index[static_cast<size_t>(y) * static_cast<size_t>(taps) + static_cast<size_t>(k)],
                       x0, x1);
          const uint32_t* y_pairs = ay->pairs.data() + static_cast<ptrdiff_t>(y) * (taps / 2);
          if (taps == 2)
            passes.down_two(row_taps_[0], row_taps_[1], *y_pairs, width, d);
          else
            passes.down(row_taps_.data(), y_pairs, taps / 2, width, d);
          if (!lut.identity) ApplyGammaRow(d, d, width, lut);
        }
      }
  }
  RECT bounds = written[first];
  for (size_t i = first + 1; i < written.size(); ++i) {
    bounds.left = std::min(bounds.left, written[i].left);
    bounds.top = std::min(bounds.top, written[i].top);
    bounds.right = std::max(bounds.right, written[i].right);
    bounds.bottom = std::max(bounds.bottom, written[i].bottom);
  }
  return bounds;
}

}  // namespace lunvale::platform
