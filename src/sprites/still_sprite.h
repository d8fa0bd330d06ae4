// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/display/direct_draw.h"
#include "sprites/sprite_base.h"

namespace lunvale::sprites {

// The still-picture sprite: its picture is copied once into an off-screen surface of its own (FpSurface),
// stretched when Stretching is set, and blitted into the engine's back buffer every frame, clipped to the
// screen, opaque or keyed on black (pixel value 0).
//
// The gadgets derive from it (with their own class names, so the engine leaves their surfaces alone).
class TQIM : public TQSpriteBase {
 public:
  explicit TQIM(platform::TComponent* owner) : TQSpriteBase(owner) {}
  std::string_view ClassName() const override { return "TQIM"; }

  // The picture's size in the design space: scaled into StretchWidth / StretchHeight whatever
  // Stretching is.
  void SetOriginalWidth(int32_t value);
  void SetOriginalHeight(int32_t value);
  int32_t GetOriginalWidth() const { return original_width_; }
  int32_t GetOriginalHeight() const { return original_height_; }

  // Needs the engine open; form thread.
  virtual void CreateDXImage();
  virtual void CloseDXImage();
  // Keyed on pixel value 0 (true) or opaque (false); needs the surface.
  virtual void SetTransparency(bool value);

  // Frame thread.
  virtual void DrawImage();
  void DrawImageFunc();
  virtual void RestoreSurface();

  const std::shared_ptr<platform::IDirectDrawSurface>& FpSurface() const { return fp_surface_; }

 protected:
  // Draws the picture into the surface's context: stretched or unscaled, as the surface was made.
  void PaintPicture(platform::DeviceContext* dc) const;

  std::shared_ptr<platform::IDirectDrawSurface> fp_surface_;
  int32_t original_width_ = 100;
  int32_t original_height_ = 100;
};

}  // namespace lunvale::sprites
