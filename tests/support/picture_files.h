// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/pixels/pixels.h"

namespace lunvale::testing {

using Bytes = std::vector<unsigned char>;
// The colour of pixel (x, y) as 0xRRGGBB; called once per pixel, row by row.
using Colour = std::function<uint32_t(int x, int y)>;

// A JPEG file of w x h. `quality` 0 keeps the encoder's default; `grey` writes one channel, the low
// byte of each colour.
Bytes EncodeJpeg(int w, int h, const Colour& colour, int quality = 0, bool grey = false);

// Saves pixels as a BMP file, to look at what a test drew.
void SaveSnapshot(const platform::PixelView& view, const std::string& path);

}  // namespace lunvale::testing
