// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/display_engine.h"
#include "sprites/still_sprite.h"
#include "sprites/strip_sprite.h"

namespace lunvale::scene {

// A still picture or a strip owned by `owner`, on the engine panel, holding the named picture resource
// (as a form's design-time description creates its components); of a JPEG, only the band `columns`.
sprites::TQIM* NewImage(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                        platform::Columns columns = {});
sprites::TQMV* NewStrip(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                        platform::Columns columns = {});

// Puts a still picture on its surface: position and design size, the surface, then the key (which
// needs the surface). The engine must be open.
void SetupImage(sprites::TQIM* image, bool stretching, bool key, int32_t height, int32_t width, int32_t y,
                int32_t x);

// Cuts a strip into its frames. A JPEG strip is decoded once into the bitmap the frames are cut from.
// The stretch size is applied only when `use_stretch_size` is set. The engine must be open.
void SetupStrip(sprites::TQMV* strip, bool stretching, bool key, int32_t stretch_height,
                int32_t stretch_width, bool use_stretch_size, int32_t frame_height, int32_t y, int32_t x);

// A still picture at its own size at (x, y) in design space, opaque or keyed: NewImage and SetupImage
// in one, for programs that put a picture on the display by hand.
sprites::TQIM* PlaceStill(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                          int32_t x, int32_t y, bool key);
// A strip of frames of `frame_height` rows at (x, y) in design space: NewStrip and SetupStrip in one.
sprites::TQMV* PlaceStrip(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                          int32_t x, int32_t y, int32_t frame_height, bool key);

}  // namespace lunvale::scene
