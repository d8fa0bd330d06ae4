// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "platform/app/component.h"
#include "platform/pictures/picture.h"

namespace lunvale::sprites {

// The framework's image control: a control that holds one picture (bitmap, JPEG or GIF). The sprites
// build on it; the picture itself is set up on the form's thread before any frame runs.
class TImage : public platform::TControl {
 public:
  explicit TImage(platform::TComponent* owner) : TControl(owner) {}
  std::string_view ClassName() const override { return "TImage"; }

  platform::Picture& Picture() { return picture_; }
  const platform::Picture& Picture() const { return picture_; }
  void SetPicture(platform::Picture picture) { picture_ = std::move(picture); }
  // Loads the named embedded picture, as the form's description would. A picture that is missing or
  // cannot be decoded leaves the control empty and gives false; it never throws.
  // `columns`: a JPEG resource keeps only that band of its columns.
  bool LoadPicture(std::string_view resource_name, platform::Columns columns = {});

 private:
  platform::Picture picture_;
};

}  // namespace lunvale::sprites
