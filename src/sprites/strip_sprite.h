// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/display/direct_draw.h"
#include "platform/pictures/picture.h"
#include "sprites/sprite_base.h"

namespace lunvale::sprites {

// The frame-strip sprite: its picture is a strip of frames of YOffsetFrame rows stacked top to bottom,
// cut once into one off-screen surface per frame (each scaled on its own from exactly its rows). Each
// frame of the scene blits the surface of frame NumberFrame, clipped to the screen, opaque or keyed on
// the colour of that frame's own top-left pixel.
//
// A JPEG strip takes its frames from DibBitmap, the decoded copy handed over with SetFDibBitmap. The
// picture's own pixels are taken as they are rather than copied, and once the frames are cut the picture
// lets its decoded pixels go (platform::Picture): the frames are then the one decoded copy.
class TQMV : public TQSpriteBase {
 public:
  // The size of the fixed frame table.
  static constexpr int kMaxFrames = 200;

  explicit TQMV(platform::TComponent* owner) : TQSpriteBase(owner) {}
  std::string_view ClassName() const override { return "TQMV"; }

  void SetNumberFrame(int32_t value) { number_frame_ = value; }
  int32_t GetNumberFrame() const { return number_frame_; }
  // The frame height in picture rows (OriginalHeight). With Stretching set it also sizes the frames from
  // the design space; SetStretchWidth / SetStretchHeight afterwards override that.
  void SetYOffsetFrame(int32_t value);
  int32_t GetYOffsetFrame() const { return y_offset_frame_; }

  // The decoded frames of a JPEG strip; null is ignored. Kept for the sprite's lifetime; the sprite's own
  // picture's pixels stand for themselves (a new picture then brings its own).
  void SetFDibBitmap(const platform::Bitmap* bitmap);
  void SetFDibBitmap(platform::Bitmap&& bitmap);
  const platform::Bitmap& DibBitmap() const;
  bool DibLoaded() const { return dib_loaded_; }

  // Needs the engine open; form thread.
  void CreateDXMovie();
  // Makes the surface of frame `index` from the strip's rows.
  void Create1Surface(int index, int32_t width, int32_t height);
  void CloseDXMovie();
  // Keys every frame on its own top-left pixel (true) or blits opaque (false); only once cut.
  void SetTransparency(bool value);

  // Frame thread.
  void DrawMovie();
  void DrawImageFunc();
  void RestoreSurfaces();

  // Keys the surface of frame `index` on the pixel value of `colour` (CLR_INVALID: its top-left pixel);
  // a refused key releases the frame.
  void DDSetColorKey(platform::IDirectDrawSurface* surface, uint32_t colour, int index);
  // The surface's own pixel value for `colour`, or of its top-left pixel for CLR_INVALID; CLR_INVALID
  // when the surface cannot be locked.
  static uint32_t DDColorMatch(platform::IDirectDrawSurface* surface, uint32_t colour);

  int32_t FrameCount() const { return frame_count_; }
  int32_t FrameWidth() const { return frame_width_; }
  int32_t FrameHeight() const { return frame_height_; }
  bool FromJpeg() const { return from_jpeg_; }
  // The surface of frame `index`; null for an empty slot or an index outside the table.
  platform::IDirectDrawSurface* FrameSurface(int index) const;

 private:
  const platform::Bitmap& FrameSource() const;
  // Copies frame `index`'s rows into `strip` and stretches them over the frame surface's context.
  void PaintFrame(int index, platform::Bitmap& strip, platform::DeviceContext* dc) const;
  bool MakeStrip(platform::Bitmap& strip);

  int32_t number_frame_ = 0;
  int32_t y_offset_frame_ = 0;

  std::array<std::shared_ptr<platform::IDirectDrawSurface>, kMaxFrames> frame_surfaces_;
  int32_t frame_count_ = 0;
  int32_t frame_width_ = 0;
  int32_t frame_height_ = 0;
  bool from_jpeg_ = false;
  bool dib_loaded_ = false;
  bool dib_is_picture_ = false;
  platform::Bitmap dib_bitmap_;
  // Only while the strip is being cut.
  platform::Bitmap strip_bitmap_;
};

}  // namespace lunvale::sprites
