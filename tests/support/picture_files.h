// SPDX-License-Identifier: MIT
#pragma once

// Picture files that tests make, read and keep. The codecs differ by platform: picture_codecs.cpp
// (libjpeg, SDL_image) and picture_codecs_win32.cpp (WIC); the snapshots are written here alike.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/pictures/picture.h"
#include "platform/pixels/pixels.h"

namespace lunvale::testing {

using Bytes = std::vector<unsigned char>;
// The colour of pixel (x, y) as 0xRRGGBB; called once per pixel, row by row.
using Colour = std::function<uint32_t(int x, int y)>;

// A JPEG file of w x h. `quality` 0 keeps the encoder's default; `grey` writes one channel, the low
// byte of each colour.
Bytes EncodeJpeg(int w, int h, const Colour& colour, int quality = 0, bool grey = false);

// A PNG file's pixels as XRGB, or nothing when it cannot be read.
std::optional<platform::Bitmap> ReadPng(const std::string& path);
// Writes the pixels as an opaque 24-bit PNG file; false when it could not be written.
bool WritePng(const platform::PixelView& view, const std::string& path);

// Saves pixels as a BMP file, to look at what a test drew.
void SaveSnapshot(const platform::PixelView& view, const std::string& path);

}  // namespace lunvale::testing
