// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "platform/text/device_context.h"
#include "platform/text/font.h"

namespace lunvale::gadgets {

// The gadgets' font helper: makes the font from face, cell height and weight and selects it into the
// context (when one is given). The font stays alive as long as the returned handle.
inline platform::FontHandle MyCreateFont(std::string_view face, int height, platform::DeviceContext* dc,
                                         int weight) {
  platform::FontHandle font = platform::Font::Create(face, height, weight);
  if (dc != nullptr) dc->SelectFont(font);
  return font;
}

}  // namespace lunvale::gadgets
