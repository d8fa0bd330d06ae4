// SPDX-License-Identifier: MIT
#include "sprites/strip_sprite.h"

#include <algorithm>
#include <exception>

namespace lunvale::sprites {

using namespace platform;

void TQMV::SetYOffsetFrame(int32_t value) {
  y_offset_frame_ = value;
  if (stretching_) {
    stretch_width_ = ScaleX(Picture().Width());
    stretch_height_ = ScaleY(value);
  }
}

void TQMV::SetFDibBitmap(const Bitmap* bitmap) {
  if (bitmap == nullptr) return;
  dib_is_picture_ = bitmap == &Picture().GetBitmap();
  dib_bitmap_ = dib_is_picture_ ? Bitmap() : *bitmap;
  dib_loaded_ = true;
}

void TQMV::SetFDibBitmap(Bitmap&& bitmap) {
  dib_bitmap_ = std::move(bitmap);
  dib_is_picture_ = false;
  dib_loaded_ = true;
}

const Bitmap& TQMV::DibBitmap() const {
  return dib_is_picture_ ? Picture().GetBitmap() : dib_bitmap_;
}

IDirectDrawSurface* TQMV::FrameSurface(int index) const {
  if (index < 0 || index >= kMaxFrames) return nullptr;
  return frame_surfaces_[static_cast<size_t>(index)].get();
}

const Bitmap& TQMV::FrameSource() const {
  return from_jpeg_ ? DibBitmap() : Picture().GetBitmap();
}

bool TQMV::MakeStrip(Bitmap& strip) {
  if (strip.Width() == Picture().Width() && strip.Height() == y_offset_frame_) return true;
  try {
    strip = Bitmap(Picture().Width(), y_offset_frame_);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void TQMV::PaintFrame(int index, Bitmap& strip, DeviceContext* dc) const {
  const Bitmap& source = FrameSource();
  const int64_t top = static_cast<int64_t>(index) * y_offset_frame_;
  const PixelView rows = strip.View();
  // A frame source shorter or narrower than the picture leaves the rest of the frame black rather than
  // showing rows of the frame cut before.
  if (source.Width() < rows.width || source.Height() < top + rows.height)
    for (int y = 0; y < rows.height; ++y) std::fill(rows.Row(y), rows.Row(y) + rows.width, 0u);
  if (top < source.Height()) {
    const int32_t t = static_cast<int32_t>(top);
    CopyRect(rows, 0, 0, source.View(), RECT{0, t, rows.width, t + rows.height});
  }
  StretchDraw(dc->Target(), RECT{0, 0, frame_width_, frame_height_}, rows);
}

void TQMV::CreateDXMovie() {
  // A new cut replaces whatever an earlier one made.
  std::fill(frame_surfaces_.begin(), frame_surfaces_.end(), nullptr);
  frame_count_ = 0;
  if (!TakeDisplay()) return;
  // A negative frame height is as undefined as none.
  if (y_offset_frame_ <= 0) {
    Report("Not defined OriginalHeight");
    return;
  }
  const int32_t count = Picture().Height() / y_offset_frame_;
  if (count > kMaxFrames) {
    Report("TOO match sprites");
    return;
  }
  frame_width_ = stretching_ ? stretch_width_ : Picture().Width();
  frame_height_ = stretching_ ? stretch_height_ : y_offset_frame_;
  from_jpeg_ = Picture().ClassName() == "TJPEGImage";
  if (from_jpeg_ && !dib_loaded_) {
    Report("not loaded DIB BMP");
    return;
  }
  frame_count_ = count;
  if (count == 0) return;
  if (!MakeStrip(strip_bitmap_)) {
    Report("Error CreateSurfaceMOV");
    return;
  }
  for (int i = 0; i < count; ++i) {
    Create1Surface(i, frame_width_, frame_height_);
    // A cut frame's rows of the decoded picture are not read again before it drops them: their memory
    // goes back at once, so that the strip is not held twice over while it is cut.
    if (from_jpeg_ && dib_is_picture_)
      Picture().ReleaseDecodedRows(i * y_offset_frame_, (i + 1) * y_offset_frame_);
  }
  strip_bitmap_ = Bitmap();
  Picture().DropDecodedPixels();
}

void TQMV::Create1Surface(int index, int32_t width, int32_t height) {
  if (index < 0 || index >= kMaxFrames) return;
  std::shared_ptr<IDirectDrawSurface>& slot = frame_surfaces_[static_cast<size_t>(index)];
  last_result_ = CreateOffscreen(width, height, slot);
  if (Failed(last_result_) || !slot || !MakeStrip(strip_bitmap_)) {
    Report("Error CreateSurfaceMOV");
    slot.reset();
    return;
  }
  DeviceContext* dc = nullptr;
  last_result_ = slot->GetDC(&dc);
  if (Failed(last_result_) || dc == nullptr) {
    Report("Error FpSurface->GetDC (MOV)");
    slot.reset();
    return;
  }
  PaintFrame(index, strip_bitmap_, dc);
  slot->ReleaseDC(dc);
}

void TQMV::CloseDXMovie() {
  std::fill(frame_surfaces_.begin(), frame_surfaces_.end(), nullptr);
}

void TQMV::SetTransparency(bool value) {
  if (frame_count_ <= 0) return;
  if (value) {
    blt_flags_ = DDBLTFAST_SRCCOLORKEY;
    for (int i = 0; i < frame_count_; ++i) DDSetColorKey(FrameSurface(i), CLR_INVALID, i);
    transparency_ = true;
  } else {
    blt_flags_ = DDBLTFAST_NOCOLORKEY;
    transparency_ = false;
  }
}

void TQMV::DDSetColorKey(IDirectDrawSurface* surface, uint32_t colour, int index) {
  if (surface == nullptr) return;
  const uint32_t key = DDColorMatch(surface, colour);
  const DDCOLORKEY range{key, key};
  last_result_ = surface->SetColorKey(DDCKEY_SRCBLT, &range);
  if (Failed(last_result_)) {
    Report("Error SetColorKey (ANI)");
    if (index >= 0 && index < kMaxFrames) frame_surfaces_[static_cast<size_t>(index)].reset();
  }
}

uint32_t TQMV::DDColorMatch(IDirectDrawSurface* surface, uint32_t colour) {
  if (surface == nullptr) return CLR_INVALID;
  // A real colour goes through the surface's context first, so that the display converts it to the
  // surface's own pixel format; the top-left pixel is put back afterwards.
  const bool convert = colour != CLR_INVALID;
  bool remembered = false;
  uint32_t saved = 0;
  DeviceContext* dc = nullptr;
  if (convert && Succeeded(surface->GetDC(&dc)) && dc != nullptr) {
    saved = dc->GetPixel(0, 0);
    remembered = saved != CLR_INVALID;
    dc->SetPixel(0, 0, colour);
    surface->ReleaseDC(dc);
  }
  SurfaceLock lock;
  HRESULT hr = DD_OK;
  for (int attempt = 0; attempt <= kStillDrawingRetries; ++attempt) {
    hr = surface->Lock(nullptr, &lock, 0);
    if (hr != DDERR_WASSTILLDRAWING) break;
  }
  uint32_t value = CLR_INVALID;
  if (Succeeded(hr)) {
    value = lock.view.Empty() ? 0 : lock.view.pixels[0];
    if (lock.bits_per_pixel > 0 && lock.bits_per_pixel < 32) value &= (1u << lock.bits_per_pixel) - 1;
    surface->Unlock(nullptr);
  }
  dc = nullptr;
  if (remembered && Succeeded(surface->GetDC(&dc)) && dc != nullptr) {
    dc->SetPixel(0, 0, saved);
    surface->ReleaseDC(dc);
  }
  return value;
}

void TQMV::DrawMovie() {
  if (PrimaryLost()) {
    Report("Lost surface");
    return;
  }
  source_rect_ = stretching_ ? RECT{0, 0, stretch_width_, stretch_height_}
                             : RECT{0, 0, Picture().Width(), y_offset_frame_};
  DrawImageFunc();
}

void TQMV::DrawImageFunc() {
  // A frame outside the table, or one that was never made or was released, draws nothing.
  IDirectDrawSurface* frame = FrameSurface(number_frame_);
  if (frame == nullptr) return;
  const std::shared_ptr<IDirectDrawSurface> back = BackSurface();
  if (!back) return;
  BlitClipped(back.get(), frame, "Error FDDBACK->BltFast (MOV) err #");
}

void TQMV::RestoreSurfaces() {
  Bitmap strip;
  const int count = std::min<int>(frame_count_, kMaxFrames);
  for (int i = 0; i < count; ++i) {
    std::shared_ptr<IDirectDrawSurface>& slot = frame_surfaces_[static_cast<size_t>(i)];
    if (!slot) continue;
    last_result_ = slot->Restore();
    if (Failed(last_result_)) {
      Report("Can't restore surface TQMV");
      return;
    }
    DeviceContext* dc = nullptr;
    last_result_ = slot->GetDC(&dc);
    if (Failed(last_result_) || dc == nullptr) {
      Report("Error FpSurface->GetDC (RestoreSurfaces)");
      slot.reset();
      return;
    }
    if (!MakeStrip(strip)) {
      slot->ReleaseDC(dc);
      Report("Can't restore surface TQMV");
      return;
    }
    PaintFrame(i, strip, dc);
    slot->ReleaseDC(dc);
  }
}

}  // namespace lunvale::sprites
