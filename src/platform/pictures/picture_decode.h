// SPDX-License-Identifier: MIT
#pragma once

// platform/pictures: what the pictures ask of the platform. picture.cpp holds the logic both builds
// share; the decoders (DecodeJpeg in picture.h and the two below) and the release of a bitmap's pages
// come from picture_decode.cpp (libjpeg, SDL_image) or picture_decode_win32.cpp (WIC).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/pictures/picture.h"

namespace lunvale::platform {

// Larger pictures are refused rather than allocated: no picture of the saver comes near this.
constexpr int64_t kMaxPicturePixels = int64_t{1} << 27;

// Throws PictureError "Cannot load picture "<name>": <cause>".
[[noreturn]] void FailPicture(std::string_view name, const std::string& cause);

// A BMP (also 8-bit RLE) or GIF file into XRGB. A GIF's transparent colour comes out black, as it
// would on a surface just made. Throws PictureError.
Bitmap DecodeBmp(std::span<const unsigned char> bytes, std::string_view name);
Bitmap DecodeGif(std::span<const unsigned char> bytes, std::string_view name);

// Gives the whole pages inside [begin, end) back to the system; they must not be read again.
void ReleasePages(void* begin, void* end);

}  // namespace lunvale::platform
