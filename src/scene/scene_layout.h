// SPDX-License-Identifier: MIT
#pragma once

// Where the scene's parts go on a canvas composed at the output's own aspect. The canvas is always
// kCanvasHeight high; its width follows the output's aspect from 5:4 to 64:27 (a 2560 x 1080
// monitor), so the picture fills the output without bars and without distortion. At 4:3 it is exactly
// the 1024 x 768 picture. Positions given for that picture move with its centre; the gadgets, anchored
// to the right edge, move with the canvas's right edge; the gadget panel spans the canvas.

#include <cstdint>
#include <optional>
#include <utility>

namespace lunvale::scene {

inline constexpr int32_t kCanvasHeight = 768;
inline constexpr int32_t kPictureWidth = 1024;
// The panorama the art generators render around the 4:3 picture, and where that picture sits in it.
inline constexpr int32_t kPanoramaWidth = 1824;
inline constexpr int32_t kPanoramaPictureLeft = 400;

struct SceneLayout {
  int32_t width = kPictureWidth;  // the canvas's width
  int32_t centre_shift = 0;       // what positions given for the 4:3 picture move by
  int32_t right_shift = 0;        // what positions anchored to the right edge move by
  bool panorama = false;          // wider than the 4:3 picture: the art comes from the panorama

  bool operator==(const SceneLayout&) const = default;
};

// The layout for an output of `size` (width, height); nothing known, or a size without area: 4:3.
SceneLayout LayoutFor(std::optional<std::pair<int, int>> size);

}  // namespace lunvale::scene
