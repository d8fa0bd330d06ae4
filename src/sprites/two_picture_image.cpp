// SPDX-License-Identifier: MIT
#include "sprites/two_picture_image.h"

namespace lunvale::sprites {

void TQTI::SetImage1(const platform::Picture* picture) {
  if (picture == nullptr) return;
  image1_ = *picture;
  SetPicture(image1_);
}

void TQTI::SetImage2(const platform::Picture* picture) {
  image2_ = picture ? *picture : platform::Picture();
}

void TQTI::SetNumberImage(int32_t value) {
  if (value == number_image_) return;
  number_image_ = value;
  if (value == 1)
    SetPicture(image1_);
  else if (value == 2)
    SetPicture(image2_);
}

}  // namespace lunvale::sprites
