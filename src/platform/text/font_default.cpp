// SPDX-License-Identifier: MIT
// The default font, the same on both back ends.
#include "platform/text/font.h"

namespace lunvale::platform {

std::shared_ptr<const Font> Font::Default() {
  // The original's system font: a bold sans with a 16-pixel cell.
  static const std::shared_ptr<const Font> font = Create("Sans", 16, FW_BOLD);
  return font;
}

}  // namespace lunvale::platform
