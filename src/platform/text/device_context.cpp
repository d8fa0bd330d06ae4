// SPDX-License-Identifier: MIT
#include "platform/text/device_context.h"

#include <algorithm>
#include <climits>
#include <utility>
#include "platform/text/code_page.h"

namespace lunvale::platform {

namespace {

constexpr uint32_t kColorMask = 0x00FFFFFF;  // the target's top byte stays 0

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const Rect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

Rect Union(const Rect& a, const Rect& b) {
  if (IsEmpty(a)) return b;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// c + (t - c) * a / 255 per channel, rounded.
inline uint32_t Blend(uint32_t dst, uint32_t color, uint32_t a) {
  const uint32_t inv = 255 - a;
  const uint32_t rb = (dst & 0xFF00FF) * inv + (color & 0xFF00FF) * a + 0x800080;
  const uint32_t g = (dst & 0x00FF00) * inv + (color & 0x00FF00) * a + 0x008000;
  const uint32_t rb_out = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
  const uint32_t g_out = ((g + ((g >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
  return rb_out | g_out;
}

}  // namespace

FontHandle DeviceContext::SelectFont(FontHandle font) {
  if (font == nullptr) return nullptr;
  FontHandle previous = std::move(font_);
  font_ = std::move(font);
  return previous;
}

FontHandle DeviceContext::CurrentFont() const {
  return font_ != nullptr ? font_ : Font::Default();
}

int DeviceContext::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return std::exchange(bk_mode_, mode);
}

uint32_t DeviceContext::SetBkColor(uint32_t color) {
  return std::exchange(bk_color_, color & kColorMask);
}

uint32_t DeviceContext::SetTextColor(uint32_t color) {
  return std::exchange(text_color_, color & kColorMask);
}

bool DeviceContext::TextOut(int x, int y, const char* text, int length) {
  if (length < 0 || (text == nullptr && length > 0)) return false;
  return DrawText(x, y, 0, nullptr, std::string_view(text, static_cast<size_t>(length)));
}

bool DeviceContext::TextOut(int x, int y, std::string_view text) {
  if (text.size() > static_cast<size_t>(INT32_MAX)) return false;
  return TextOut(x, y, text.data(), static_cast<int>(text.size()));
}

bool DeviceContext::ExtTextOut(int x, int y, uint32_t options, const Rect* rect, const char* text,
                               int length) {
  if (length < 0 || (text == nullptr && length > 0)) return false;
  return DrawText(x, y, options, rect, std::string_view(text, static_cast<size_t>(length)));
}

bool DeviceContext::GetTextExtentPoint32(const char* text, int length, Size* size) {
  if (size == nullptr || length < 0 || (text == nullptr && length > 0)) return false;
  const FontHandle font = CurrentFont();
  if (font == nullptr) return false;
  DecodeText(std::string_view(text, static_cast<size_t>(length)), chars_);
  const int64_t width = font->TextWidth(chars_);
  size->cx = static_cast<int>(std::min<int64_t>(width, INT32_MAX));
  size->cy = font->CellHeight();
  return true;
}

Size DeviceContext::GetTextExtent(std::string_view text) {
  Size size;
  if (text.size() > static_cast<size_t>(INT32_MAX) ||
      !GetTextExtentPoint32(text.data(), static_cast<int>(text.size()), &size))
    return {};
  return size;
}

uint32_t DeviceContext::SetPixel(int x, int y, uint32_t color) {
  if (target_.Empty() || x < 0 || y < 0 || x >= target_.width || y >= target_.height) return CLR_INVALID;
  const Rect b = Bounds();
  if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) target_.Row(y)[x] = color & kColorMask;
  return color & kColorMask;
}

uint32_t DeviceContext::GetPixel(int x, int y) {
  if (target_.Empty() || x < 0 || y < 0 || x >= target_.width || y >= target_.height) return CLR_INVALID;
  return target_.Row(y)[x] & kColorMask;
}

Rect DeviceContext::Bounds() const {
  return Intersect({0, 0, target_.width, target_.height}, clip_);
}

Rect DeviceContext::TextArea(int x, int y, uint32_t options, const Rect* rect, std::string_view text) {
  // Clipped text stays in its rectangle: laying out a long line (the ticker's) to find less is not worth it.
  if (rect != nullptr && (options & ETO_CLIPPED) != 0 && CurrentFont() != nullptr) {
    const Rect area = Intersect(*rect, Bounds());
    return IsEmpty(area) ? Rect{} : area;
  }
  Rect area{};
  if (!DrawOrMeasure(x, y, options, rect, text, &area)) return {};
  return area;
}

void DeviceContext::Fill(const Rect& area, uint32_t color, Rect* measured) {
  const Rect r = Intersect(area, Bounds());
  if (IsEmpty(r)) return;
  if (measured != nullptr) {
    *measured = Union(*measured, r);
    return;
  }
  for (int y = r.top; y < r.bottom; ++y) std::fill(target_.Row(y) + r.left, target_.Row(y) + r.right, color);
}

bool DeviceContext::DrawOrMeasure(int x, int y, uint32_t options, const Rect* rect, std::string_view text,
                                  Rect* area) {
  const FontHandle font = CurrentFont();
  if (font == nullptr) return false;
  if (target_.Empty()) return true;

  Rect clip = Bounds();
  if (rect != nullptr && (options & ETO_CLIPPED) != 0) clip = Intersect(clip, *rect);
  if (rect != nullptr && (options & ETO_OPAQUE) != 0) Fill(Intersect(*rect, clip), bk_color_, area);

  DecodeText(text, chars_);
  font->Glyphs(chars_, glyphs_);

  if (bk_mode_ == OPAQUE && !glyphs_.empty()) {
    int64_t width = 0;
    for (const Glyph* g : glyphs_) width += g->advance;
    const int64_t right = std::clamp<int64_t>(x + width, INT32_MIN, INT32_MAX);
    const int64_t bottom =
        std::clamp<int64_t>(static_cast<int64_t>(y) + font->CellHeight(), INT32_MIN, INT32_MAX);
    Fill(Intersect({x, y, static_cast<int>(right), static_cast<int>(bottom)}, clip), bk_color_, area);
  }
  if (IsEmpty(clip)) return true;

  // Glyphs reach at most about an em beyond their pen position on either side.
  const int64_t reach = 2LL * font->EmPixels() + 2;
  const int64_t baseline = static_cast<int64_t>(y) + font->Ascent();
  const uint32_t color = text_color_;
  int64_t pen = x;
  for (const Glyph* g : glyphs_) {
    if (pen - reach > clip.right) break;
    const int64_t gx = pen + g->left;
    const int64_t gy = baseline - g->top;
    pen += g->advance;
    if (g->width == 0 || gx >= clip.right || gy >= clip.bottom || gx + g->width <= clip.left ||
        gy + g->height <= clip.top)
      continue;
    const int x0 = static_cast<int>(std::max<int64_t>(gx, clip.left));
    const int x1 = static_cast<int>(std::min<int64_t>(gx + g->width, clip.right));
    const int y0 = static_cast<int>(std::max<int64_t>(gy, clip.top));
    const int y1 = static_cast<int>(std::min<int64_t>(gy + g->height, clip.bottom));
    if (area != nullptr) {
      *area = Union(*area, {x0, y0, x1, y1});
      continue;
    }
    for (int py = y0; py < y1; ++py) {
      const uint8_t* cov = g->coverage.data() + (py - gy) * g->width + (x0 - gx);
      uint32_t* dst = target_.Row(py);
      for (int px = x0; px < x1; ++px, ++cov) {
        const uint32_t a = *cov;
        if (a == 0) continue;
        dst[px] = a == 255 ? color : Blend(dst[px], color, a);
      }
    }
  }
  return true;
}

}  // namespace lunvale::platform
