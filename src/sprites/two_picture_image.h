// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/pictures/picture.h"
#include "sprites/image_control.h"

namespace lunvale::sprites {

// A plain image control with two pictures, showing the one NumberImage names. It takes no part in the
// display's drawing.
class TQTI : public TImage {
 public:
  explicit TQTI(platform::TComponent* owner) : TImage(owner) {}
  std::string_view ClassName() const override { return "TQTI"; }

  // Null is ignored; otherwise Image1 takes the picture and is shown.
  void SetImage1(const platform::Picture* picture);
  // Null empties Image2; the shown picture does not change.
  void SetImage2(const platform::Picture* picture);
  const platform::Picture& GetImage1() const { return image1_; }
  const platform::Picture& GetImage2() const { return image2_; }

  // 1 shows Image1, 2 shows Image2; any other value is only stored.
  void SetNumberImage(int32_t value);
  int32_t GetNumberImage() const { return number_image_; }

 private:
  platform::Picture image1_;
  platform::Picture image2_;
  int32_t number_image_ = 1;
};

}  // namespace lunvale::sprites
