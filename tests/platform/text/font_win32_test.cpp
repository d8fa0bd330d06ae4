// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "platform/text/code_page.h"
#include "platform/text/device_context.h"

#include "platform/win32/windows_api.h"
#undef TextOut  // DeviceContext's own, below

namespace lunvale::platform {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 80;
constexpr uint32_t kWhite = 0x00FFFFFF;

// Bounding box of the pixels that are not white; empty when none.
Rect Ink(const uint32_t* pixels) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if ((pixels[y * kWidth + x] & 0x00FFFFFF) != kWhite)
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
  return box.left == INT_MAX ? Rect{} : box;
}

std::wstring Wide(const std::string& utf8) {
  std::wstring out;
  for (char32_t c : DecodeText(utf8)) out += static_cast<wchar_t>(c);
  return out;
}

// The text as GDI's own TextOutW draws it with the face the font matched: its ink and its extent.
struct GdiText {
  Rect ink;
  int width = 0;
};
GdiText DrawnByGdi(const Font& font, int height, int x, int y, const std::string& text) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HFONT hfont = ::CreateFontW(height, 0, 0, 0, font.Weight(), FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                              DEFAULT_PITCH | FF_SWISS, Wide(font.Family()).c_str());
  GdiText out;
  if (dc != nullptr && bitmap != nullptr && hfont != nullptr) {
    HGDIOBJ old_bitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ old_font = ::SelectObject(dc, hfont);
    std::fill_n(static_cast<uint32_t*>(bits), kWidth * kHeight, kWhite);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring wide = Wide(text);
    ::TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    ::GdiFlush();
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    out = {Ink(static_cast<const uint32_t*>(bits)), static_cast<int>(size.cx)};
    ::SelectObject(dc, old_font);
    ::SelectObject(dc, old_bitmap);
  }
  if (hfont != nullptr) ::DeleteObject(hfont);
  if (bitmap != nullptr) ::DeleteObject(bitmap);
  if (dc != nullptr) ::DeleteDC(dc);
  return out;
}

TEST(FontOnWindows, EveryFaceNameGivesAFontOfTheAskedHeight) {
  for (const char* face :
       {"Arial", "Tahoma", "Verdana", "MS Sans Serif", "Times New Roman", "No Such Face", ""}) {
    SCOPED_TRACE(face);
    FontHandle font = Font::Create(face, 16, FW_NORMAL);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->Family().empty());
    EXPECT_EQ(font->CellHeight(), 16);
    EXPECT_EQ(font->Ascent() + font->Descent(), 16);
    EXPECT_LT(font->EmPixels(), 16);
  }
  FontHandle em = Font::Create("Arial", -20, FW_BOLD);
  ASSERT_NE(em, nullptr);
  EXPECT_EQ(em->EmPixels(), 20);
  EXPECT_GT(em->CellHeight(), 20);
  FontHandle huge = Font::Create("Arial", INT_MIN, FW_BOLD);
  ASSERT_NE(huge, nullptr);
  EXPECT_LE(huge->EmPixels(), 1024);
  ASSERT_NE(Font::Default(), nullptr);
  EXPECT_EQ(Font::Default()->CellHeight(), 16);
}

// Our glyphs, placed by the font's metrics, cover what GDI's own text drawing covers, and the
// extent is GDI's.
TEST(FontOnWindows, GlyphsLandWhereGdiDrawsThem) {
  struct Case {
    const char* face;
    int height;
    int weight;
    const char* text;
  };
  const Case cases[] = {
      {"Arial", 22, FW_BOLD, "12:45"},
      {"Arial", 16, FW_BOLD,
       "Rain, 7\xB0"
       "C"},
      {"Arial", 20, FW_NORMAL, "gjpqy|"},
      {"Tahoma", 13, FW_NORMAL, "News: caf\xC3\xA9"},
      {"Verdana", -18, FW_BOLD, "Wg_"},
      {"No Such Face", 16, FW_NORMAL, "Ag"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.height) + " " + c.text);
    FontHandle font = Font::Create(c.face, c.height, c.weight);
    ASSERT_NE(font, nullptr);
    std::vector<uint32_t> pixels(kWidth * kHeight, kWhite);
    DeviceContext dc(PixelView{pixels.data(), kWidth, kHeight, kWidth});
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(0);
    ASSERT_TRUE(dc.TextOut(7, 11, c.text));
    const GdiText gdi = DrawnByGdi(*font, c.height, 7, 11, c.text);
    const Rect ours = Ink(pixels.data());
    EXPECT_EQ(dc.GetTextExtent(c.text).cx, gdi.width);
    // GDI's own drawing may leave out the faintest coverage at the sides.
    EXPECT_NEAR(ours.left, gdi.ink.left, 1);
    EXPECT_EQ(ours.top, gdi.ink.top);
    EXPECT_NEAR(ours.right, gdi.ink.right, 1);
    EXPECT_EQ(ours.bottom, gdi.ink.bottom);
    // Ink sits inside the cell, below its top and above its bottom.
    EXPECT_GE(ours.top, 11);
    EXPECT_LE(ours.bottom, 11 + font->CellHeight());
  }
}

}  // namespace
}  // namespace lunvale::platform
