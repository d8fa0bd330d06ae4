// SPDX-License-Identifier: MIT
// The Windows decoders must give what the Linux ones give: the same sizes, palettes, RLE bitmaps,
// GIF transparency as black, bands of columns, and errors that name the picture.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/pictures/picture.h"
#include "platform/system/resources.h"

namespace lunvale::platform {
namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// An 8-bit palette bitmap (bottom-up rows) of black, red, green, blue; plain (0) or RLE8 (1).
Bytes Bitmap8(int w, int h, const Bytes& data, uint32_t compression) {
  Bytes b = {'B', 'M'};
  const uint32_t offset = 14 + 40 + 16;
  for (uint32_t v : {offset + static_cast<uint32_t>(data.size()), 0u, offset, 40u}) Put(b, v, 4);
  Put(b, w, 4);
  Put(b, h, 4);
  Put(b, 1, 2);
  Put(b, 8, 2);
  for (uint32_t v : {compression, static_cast<uint32_t>(data.size()), 2835u, 2835u, 4u, 0u}) Put(b, v, 4);
  for (uint32_t c : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) Put(b, c, 4);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

// A 2 x 2 GIF: red, blue on the top row, blue, red below; `transparent` makes blue the clear colour.
Bytes TinyGif(bool transparent) {
  // Built from whole arrays: GCC 12 takes an insert of a short list into a vector for an overrun.
  static const unsigned char kHead[] = {'G',  'I', 'F', '8', '9', 'a',  2, 0, 2, 0, 0x81, 0, 0,
                                        0xFF, 0,   0,   0,   0,   0xFF, 0, 0, 0, 0, 0,    0};
  static const unsigned char kClear[] = {0x21, 0xF9, 4, 1, 0, 0, 1, 0};
  static const unsigned char kImage[] = {',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 3, 0x44, 0x02, 0x05, 0, ';'};
  std::string text(reinterpret_cast<const char*>(kHead), sizeof kHead);
  if (transparent) text.append(reinterpret_cast<const char*>(kClear), sizeof kClear);
  text.append(reinterpret_cast<const char*>(kImage), sizeof kImage);
  return Bytes(text.begin(), text.end());
}

TEST(PictureWin32, PalettesRleAndTransparencyGiveTheLinuxPixels) {
  const struct {
    const char* name;
    Bytes bytes;
    const char* class_name;
    int width;
    std::vector<uint32_t> pixels;  // row by row from the top
  } cases[] = {
      // Bottom row: a run of four red; top row: absolute black, red, green, black; end of bitmap.
      {"rle8",
       Bitmap8(4, 2, {4, 1, 0, 0, 0, 4, 0, 1, 2, 0, 0, 1}, 1),
       "TBitmap",
       4,
       {0, 0xFF0000, 0x00FF00, 0, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000}},
      {"gif", TinyGif(false), "TGIFImage", 2, {0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}},
      {"transparent", TinyGif(true), "TGIFImage", 2, {0xFF0000, 0, 0, 0xFF0000}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture p = Picture::Load(c.bytes, c.name);
    EXPECT_EQ(p.ClassName(), c.class_name);
    ASSERT_EQ(p.Width(), c.width);
    ASSERT_EQ(static_cast<size_t>(p.Width() * p.Height()), c.pixels.size());
    for (size_t i = 0; i < c.pixels.size(); ++i)
      EXPECT_EQ(p.GetBitmap().View().Row(static_cast<int>(i) / c.width)[i % c.width], c.pixels[i]) << i;
  }
}

TEST(PictureWin32, BrokenPicturesAreErrorsNamingThePictureAndTheCause) {
  const auto jpeg = FindResource("QIM1");
  ASSERT_TRUE(jpeg);
  const Bytes whole(jpeg->begin(), jpeg->end()), bmp = Bitmap8(3, 2, {1, 1, 1, 0, 0, 2, 3, 0}, 0);
  const Bytes gif = TinyGif(false);
  Bytes garbage = {0xFF, 0xD8, 0xFF};
  for (int i = 0; i < 200; ++i) garbage.push_back(static_cast<unsigned char>(i * 37));
  const struct {
    const char* what;
    Bytes bytes;
    const char* cause;
  } cases[] = {
      {"truncated", Bytes(whole.begin(), whole.begin() + whole.size() / 2), "Premature end of JPEG file"},
      {"garbage", garbage, ""},
      {"empty", {}, "empty picture"},
      {"unknown format", {'P', 'K', 3, 4}, "not a bitmap, JPEG or GIF picture"},
      {"cut bitmap", Bytes(bmp.begin(), bmp.end() - 6), ""},
      {"cut gif", Bytes(gif.begin(), gif.begin() + 20), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      Picture::Load(c.bytes, "QMV1");
      ADD_FAILURE() << "decoded";
    } catch (const PictureError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot load picture \"QMV1\": ", 0), 0u) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.cause), std::string::npos) << e.what();
    }
  }
}

// A helper thread has no COM of its own until the decoder makes it; a band is cut from the whole.
TEST(PictureWin32, AssetsDecodeAtTheirSizesOnAnyThreadAndInBands) {
  const struct {
    const char* name;
    int width, height;
  } pictures[] = {{"QMV2wide", 1139, 2784}, {"QMV3SG", 68, 5203}, {"QIM2GadgetPanel", 1024, 70}};
  for (const auto& e : pictures) {
    SCOPED_TRACE(e.name);
    Picture p;
    std::thread([&] { p = Picture::LoadResource(e.name); }).join();
    EXPECT_EQ(p.Width(), e.width);
    EXPECT_EQ(p.Height(), e.height);
  }
  const auto bytes = FindResource("QMV2wide");
  ASSERT_TRUE(bytes);
  const Bitmap whole = DecodeJpeg(*bytes, "QMV2wide"), band = DecodeJpeg(*bytes, "QMV2wide", {1100, 500});
  ASSERT_EQ(band.Width(), 39);
  for (int y = 0; y < band.Height(); y += 13)
    for (int x = 0; x < band.Width(); ++x) ASSERT_EQ(band.View().Row(y)[x], whole.View().Row(y)[1100 + x]);
  EXPECT_THROW(DecodeJpeg(*bytes, "QMV2wide", Columns{1139, 10}), PictureError);
}

}  // namespace
}  // namespace lunvale::platform
