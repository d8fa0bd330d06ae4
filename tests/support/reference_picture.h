// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "platform/pixels/pixels.h"

namespace lunvale::testing {

// Compares the w x h crop of `view` at (x, y) with the committed reference picture `name` (a PNG file
// under tests/reference_pictures) and returns the number of pixels that differ, or -1 when the reference is
// missing or of another size. The references were rendered once, looked at, and committed, so that a
// wrong face, size, colour or place shows even where the test's own expectations share code with what
// they check. With LUNVALE_WRITE_REFERENCES set the crop is written as the new reference instead.
int ReferenceDifferences(const platform::PixelView& view, int x, int y, int w, int h,
                         const std::string& name);

}  // namespace lunvale::testing
