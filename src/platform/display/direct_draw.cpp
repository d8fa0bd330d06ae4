// SPDX-License-Identifier: MIT
#include "platform/display/direct_draw.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/display/shared_pixels.h"
#include "platform/text/device_context.h"

namespace lunvale::platform {

const char* DDErrorName(HRESULT hr) {
  switch (hr) {
    case DDERR_EXCEPTION:
      return "DDERR_EXCEPTION";
    case DDERR_GENERIC:
      return "DDERR_GENERIC";
    case DDERR_INVALIDOBJECT:
      return "DDERR_INVALIDOBJECT";
    case DDERR_INVALIDPARAMS:
      return "DERR_INVALIDPARAMS";
    case DDERR_INVALIDRECT:
      return "DDERR_INVALIDRECT";
    case DDERR_NOBLTHW:
      return "DDERR_NOBLTHW";
    case DDERR_SURFACEBUSY:
      return "DDERR_SURFACEBUSY";
    case DDERR_UNSUPPORTED:
      return "DDERR_UNSUPPORTED";
    default:
      return "";
  }
}

namespace {

// The row loops, compiled for the processor's wider vectors and for the baseline. The choice is made once at
// run time (an ifunc resolver would run before the sanitizers' runtimes are ready).
[[gnu::always_inline]] inline void CopyLoop(uint32_t* __restrict dst, const uint32_t* __restrict src,
                                            int width) {
  for (int i = 0; i < width; ++i) dst[i] = src[i];
}

// A single key value (the usual case) is one compare per pixel, a range one subtract and one unsigned
// compare; either way a plain select per pixel lets the compiler vectorise the row.
[[gnu::always_inline]] inline void KeyedLoop(uint32_t* __restrict dst, const uint32_t* __restrict src,
                                             int width, uint32_t key_low, uint32_t key_high) {
  if (key_low == key_high) {
    for (int i = 0; i < width; ++i) {
      const uint32_t s = src[i];
      const uint32_t d = dst[i];
      dst[i] = s == key_low ? d : s;
    }
    return;
  }
  const uint32_t span = key_high - key_low;
  for (int i = 0; i < width; ++i) {
    const uint32_t s = src[i];
    const uint32_t d = dst[i];
    dst[i] = (s - key_low) <= span ? d : s;
  }
}

// A loop rather than memcpy: rows of equal pitch sit at the same offset within a page, where the library's
// copy loses a third of its speed to store/load aliasing and this loop does not.
#define LUNVALE_NO_MEMCPY_IDIOM optimize("no-tree-loop-distribute-patterns")
// The row loops are written to be vectorised; ask for it at every optimisation level the project builds
// with, since -O2's cheap cost model leaves a keyed row scalar (about twenty times slower).
#define LUNVALE_VECTORISE optimize("tree-vectorize", "vect-cost-model=dynamic")

__attribute__((target("avx2"), LUNVALE_NO_MEMCPY_IDIOM, LUNVALE_VECTORISE)) void CopyAvx2(
    uint32_t* __restrict dst, const uint32_t* __restrict src, int w) {
  CopyLoop(dst, src, w);
}
__attribute__((LUNVALE_NO_MEMCPY_IDIOM, LUNVALE_VECTORISE)) void CopyBase(uint32_t* __restrict dst,
                                                                          const uint32_t* __restrict src,
                                                                          int w) {
  CopyLoop(dst, src, w);
}
__attribute__((target("avx2"), LUNVALE_VECTORISE)) void KeyedAvx2(uint32_t* __restrict dst,
                                                                  const uint32_t* __restrict src, int w,
                                                                  uint32_t lo, uint32_t hi) {
  KeyedLoop(dst, src, w, lo, hi);
}
// With 512-bit vectors a masked store writes just the drawn pixels and never reads the destination.
__attribute__((target("avx512f"), LUNVALE_VECTORISE)) void KeyedAvx512(uint32_t* __restrict dst,
                                                                       const uint32_t* __restrict src, int w,
                                                                       uint32_t lo, uint32_t hi) {
  const uint32_t span = hi - lo;
  for (int i = 0; i < w; ++i) {
    const uint32_t s = src[i];
    if (s - lo > span) dst[i] = s;
  }
}
__attribute__((LUNVALE_VECTORISE)) void KeyedBase(uint32_t* __restrict dst, const uint32_t* __restrict src,
                                                  int w, uint32_t lo, uint32_t hi) {
  KeyedLoop(dst, src, w, lo, hi);
}

bool HasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

bool HasAvx512() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512f");
}

}  // namespace

void CopyRow(uint32_t* dst, const uint32_t* src, int width) {
  static const auto copy = HasAvx2() ? CopyAvx2 : CopyBase;
  copy(dst, src, width);
}

void CopyRowKeyed(uint32_t* dst, const uint32_t* src, int width, uint32_t key_low, uint32_t key_high) {
  static const auto keyed = HasAvx512() ? KeyedAvx512 : HasAvx2() ? KeyedAvx2 : KeyedBase;
  keyed(dst, src, width, key_low, key_high);
}

namespace {

// A rectangle inside a w x h area with left <= right and top <= bottom.
bool Inside(const RECT& r, int w, int h) {
  return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= w && r.bottom <= h;
}

}  // namespace

namespace {

std::atomic<uint64_t> g_versions{0};

uint64_t NextVersion() {
  return g_versions.fetch_add(1, std::memory_order_relaxed) + 1;
}

void FillRow(uint32_t* row, int width, uint32_t c) {
  // A long run of a colour of four equal bytes (black, which begins every frame) goes through memset,
  // several times quicker than a loop of words; a few pixels at the edge are quicker without a call.
  if (width >= 16 && c == (c & 0xFF) * 0x01010101u)
    std::memset(row, static_cast<int>(c & 0xFF), static_cast<size_t>(width) * 4);
  else
    std::fill(row, row + width, c);
}

}  // namespace

void FillPixels(PixelView to, const RECT& area, uint32_t color) {
  for (int y = area.top; y < area.bottom; ++y) FillRow(to.Row(y) + area.left, area.right - area.left, color);
}

void CopyPixels(PixelView to, int x, int y, const PixelView& source, const RECT& from, const RECT& clip,
                bool keyed, uint32_t key_low, uint32_t key_high) {
  const int left = std::max(x, clip.left);
  const int top = std::max(y, clip.top);
  const int right = std::min(x + (from.right - from.left), clip.right);
  const int bottom = std::min(y + (from.bottom - from.top), clip.bottom);
  if (right <= left || bottom <= top) return;
  const int w = right - left;
  const int sx = from.left + (left - x);
  const int sy = from.top + (top - y);
  if (!keyed && w == to.width && w == source.width && to.pitch == w && source.pitch == w) {
    // Whole rows on both sides: one block.
    std::memcpy(to.Row(top), source.Row(sy), static_cast<size_t>(w) * (bottom - top) * 4);
    return;
  }
  for (int row = top; row < bottom; ++row) {
    const uint32_t* s = source.Row(sy + row - top) + sx;
    if (keyed)
      CopyRowKeyed(to.Row(row) + left, s, w, key_low, key_high);
    else
      CopyRow(to.Row(row) + left, s, w);
  }
}

MemorySurface::MemorySurface(int width, int height, bool shared)
    : width_(width), height_(height), version_(NextVersion()) {
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (shared && count > 0) {
    const SharedPixels segment = MapSharedPixels(count * sizeof(uint32_t));
    data_ = segment.data;
    shm_id_ = segment.id;
  }
  if (shm_id_ < 0) {
    memory_ = SurfaceMemory(count);
    data_ = memory_.Data();
  }
}

MemorySurface::~MemorySurface() {
  if (shm_id_ >= 0) UnmapSharedPixels(data_);
}

void MemorySurface::Touch() {
  version_.store(NextVersion(), std::memory_order_relaxed);
}

HRESULT MemorySurface::Blt(const RECT* dest_rect, IDirectDrawSurface* src, const RECT* /*src_rect*/,
                           uint32_t flags, const DDBLTFX* fx) {
  if (!(flags & DDBLT_COLORFILL) || src != nullptr) return DDERR_UNSUPPORTED;
  if (fx == nullptr) return DDERR_INVALIDPARAMS;
  const RECT r = dest_rect ? *dest_rect : RECT{0, 0, width_, height_};
  if (!Inside(r, width_, height_)) return DDERR_INVALIDRECT;
  Touch();
  const uint32_t c = fx->dwFillColor;
  if (r.left == 0 && r.top == 0 && r.right == width_ && r.bottom == height_ && !Busy()) {
    pending_fill_ = c;
    return DD_OK;
  }
  FillPixels(Pixels(), r, c);
  return DD_OK;
}

void MemorySurface::SettleFill(const RECT& covered) {
  if (!pending_fill_) return;
  const uint32_t c = *pending_fill_;
  pending_fill_.reset();
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = data_ + static_cast<size_t>(y) * width_;
    if (y < covered.top || y >= covered.bottom) {
      FillRow(row, width_, c);
    } else {
      if (covered.left > 0) FillRow(row, covered.left, c);
      if (covered.right < width_) FillRow(row + covered.right, width_ - covered.right, c);
    }
  }
}

HRESULT MemorySurface::CheckBltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect,
                                    uint32_t flags, Copy& copy) {
  auto* source = dynamic_cast<MemorySurface*>(src);
  if (source == nullptr) return DDERR_INVALIDOBJECT;
  if (flags & DDBLTFAST_DESTCOLORKEY) return DDERR_UNSUPPORTED;
  if (src->IsLost() != DD_OK) return DDERR_SURFACELOST;
  const RECT r = src_rect ? *src_rect : RECT{0, 0, source->width_, source->height_};
  if (!Inside(r, source->width_, source->height_)) return DDERR_INVALIDRECT;
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (x < 0 || y < 0 || x > width_ - w || y > height_ - h) return DDERR_INVALIDRECT;
  copy.source = source;
  copy.from = r;
  copy.keyed = (flags & DDBLTFAST_SRCCOLORKEY) && source->key_.has_value();
  if (copy.keyed) {
    copy.key_low = source->key_->dwColorSpaceLowValue;
    copy.key_high = std::max(copy.key_low, source->key_->dwColorSpaceHighValue);
  }
  return DD_OK;
}

HRESULT MemorySurface::BltFast(int x, int y, IDirectDrawSurface* src, const RECT* src_rect, uint32_t flags) {
  Copy copy;
  const HRESULT hr = CheckBltFast(x, y, src, src_rect, flags, copy);
  if (hr != DD_OK) return hr;
  const RECT r = copy.from;
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w == 0 || h == 0) return DD_OK;
  MemorySurface* source = copy.source;
  const PixelView from = source->Pixels();
  // An opaque copy leaves of a waiting fill only what lies around it.
  if (!copy.keyed && source != this && pending_fill_) SettleFill(RECT{x, y, x + w, y + h});
  const PixelView to = Pixels();
  Touch();
  if (source == this) {
    if (!copy.keyed) {
      // Rows may overlap: copy in the direction that reads each row before it is written.
      const bool upward = y > r.top;
      for (int i = 0; i < h; ++i) {
        const int row = upward ? h - 1 - i : i;
        std::memmove(to.Row(y + row) + x, from.Row(r.top + row) + r.left, static_cast<size_t>(w) * 4);
      }
      return DD_OK;
    }
    // A keyed blit within one surface goes through a copy of the rows, so that the kernel never aliases.
    std::vector<uint32_t> rows(static_cast<size_t>(w) * h);
    for (int i = 0; i < h; ++i) CopyRow(&rows[static_cast<size_t>(i) * w], from.Row(r.top + i) + r.left, w);
    const PixelView copied{rows.data(), w, h, w};
    CopyPixels(to, x, y, copied, RECT{0, 0, w, h}, RECT{x, y, x + w, y + h}, true, copy.key_low,
               copy.key_high);
    return DD_OK;
  }
  CopyPixels(to, x, y, from, r, RECT{x, y, x + w, y + h}, copy.keyed, copy.key_low, copy.key_high);
  return DD_OK;
}

HRESULT MemorySurface::Flip(IDirectDrawSurface*, uint32_t) {
  return DDERR_NOTFLIPPABLE;
}

HRESULT MemorySurface::GetAttachedSurface(const DDSCAPS&, std::shared_ptr<IDirectDrawSurface>& out) {
  out.reset();
  return DDERR_NOTFOUND;
}

HRESULT MemorySurface::IsLost() {
  return DD_OK;
}

HRESULT MemorySurface::Restore() {
  return DD_OK;
}

HRESULT MemorySurface::GetDC(DeviceContext** dc) {
  if (dc == nullptr) return DDERR_INVALIDPARAMS;
  *dc = nullptr;
  if (dc_) return DDERR_DCALREADYCREATED;
  if (locked_) return DDERR_SURFACEBUSY;
  dc_ = MakeContext();
  *dc = dc_.get();
  return DD_OK;
}

HRESULT MemorySurface::ReleaseDC(DeviceContext* dc) {
  if (dc == nullptr || dc != dc_.get()) return DDERR_INVALIDPARAMS;
  dc_.reset();
  Touch();
  return DD_OK;
}

HRESULT MemorySurface::SetColorKey(uint32_t flags, const DDCOLORKEY* key) {
  if (flags != DDCKEY_SRCBLT) return DDERR_UNSUPPORTED;
  if (key == nullptr)
    key_.reset();
  else
    key_ = *key;
  return DD_OK;
}

HRESULT MemorySurface::Lock(const RECT* rect, SurfaceLock* out, uint32_t) {
  if (out == nullptr) return DDERR_INVALIDPARAMS;
  if (locked_ || dc_) return DDERR_SURFACEBUSY;
  const RECT r = rect ? *rect : RECT{0, 0, width_, height_};
  if (!Inside(r, width_, height_)) return DDERR_INVALIDRECT;
  const PixelView all = Pixels();
  out->view = {all.Row(r.top) + r.left, r.right - r.left, r.bottom - r.top, width_};
  out->bits_per_pixel = 32;
  locked_ = true;
  return DD_OK;
}

HRESULT MemorySurface::Unlock(const RECT*) {
  if (!locked_) return DDERR_NOTLOCKED;
  locked_ = false;
  Touch();
  return DD_OK;
}

HRESULT MemorySurface::QueryGammaControl(std::shared_ptr<IDirectDrawGammaControl>& out) {
  out.reset();
  return E_NOINTERFACE;
}

}  // namespace lunvale::platform
