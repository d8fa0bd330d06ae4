// SPDX-License-Identifier: MIT
#include "sprites/image_control.h"

#include <exception>

namespace lunvale::sprites {

bool TImage::LoadPicture(std::string_view resource_name, platform::Columns columns) {
  try {
    picture_ = platform::Picture::LoadResource(resource_name, columns);
    return true;
  } catch (const std::exception&) {
    picture_ = platform::Picture();
    return false;
  }
}

}  // namespace lunvale::sprites
