// SPDX-License-Identifier: MIT
#include "scene/scene_setup.h"

namespace lunvale::scene {

sprites::TQIM* NewImage(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                        platform::Columns columns) {
  auto* image = new sprites::TQIM(owner);
  image->SetParent(engine);
  image->LoadPicture(picture, columns);
  return image;
}

sprites::TQMV* NewStrip(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                        platform::Columns columns) {
  auto* strip = new sprites::TQMV(owner);
  strip->SetParent(engine);
  strip->LoadPicture(picture, columns);
  return strip;
}

void SetupImage(sprites::TQIM* image, bool stretching, bool key, int32_t height, int32_t width, int32_t y,
                int32_t x) {
  image->SetStretching(stretching);
  image->SetShowX(x);
  image->SetShowY(y);
  image->SetOriginalWidth(width);
  image->SetOriginalHeight(height);
  image->CreateDXImage();
  image->SetTransparency(key);
}

void SetupStrip(sprites::TQMV* strip, bool stretching, bool key, int32_t stretch_height,
                int32_t stretch_width, bool use_stretch_size, int32_t frame_height, int32_t y, int32_t x) {
  strip->SetStretching(stretching);
  strip->SetShowX(x);
  strip->SetShowY(y);
  strip->SetYOffsetFrame(frame_height);
  if (use_stretch_size) {
    strip->SetStretchWidth(stretch_width);
    strip->SetStretchHeight(stretch_height);
  }
  // The picture already holds the decoded pixels; the strip keeps its own copy to cut frames from.
  if (strip->Picture().ClassName() == "TJPEGImage") strip->SetFDibBitmap(&strip->Picture().GetBitmap());
  strip->CreateDXMovie();
  strip->SetTransparency(key);
}

sprites::TQIM* PlaceStill(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                          int32_t x, int32_t y, bool key) {
  sprites::TQIM* image = NewImage(owner, engine, picture);
  SetupImage(image, true, key, image->Picture().Height(), image->Picture().Width(), y, x);
  return image;
}

sprites::TQMV* PlaceStrip(platform::TComponent* owner, engine::TQss* engine, std::string_view picture,
                          int32_t x, int32_t y, int32_t frame_height, bool key) {
  sprites::TQMV* strip = NewStrip(owner, engine, picture);
  SetupStrip(strip, true, key, 0, 0, false, frame_height, y, x);
  return strip;
}

}  // namespace lunvale::scene
