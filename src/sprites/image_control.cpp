// SPDX-License-Identifier: MIT
#include "sprites/image_control.h"

#include <exception>

namespace lunvale::sprites {

bool TImage::LoadPicture(std::string_view resource_name) {
  try {
    picture_ = platform::Picture::LoadResource(resource_name);
    return true;
  } catch (const std::exception&) {
    picture_ = platform::Picture();
    return false;
  }
}

}  // namespace lunvale::sprites
