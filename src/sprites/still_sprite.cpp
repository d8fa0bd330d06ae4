// SPDX-License-Identifier: MIT
#include "sprites/still_sprite.h"

namespace lunvale::sprites {

using namespace platform;

void TQIM::SetOriginalWidth(int32_t value) {
  original_width_ = value;
  stretch_width_ = ScaleX(value);
}

void TQIM::SetOriginalHeight(int32_t value) {
  original_height_ = value;
  stretch_height_ = ScaleY(value);
}

void TQIM::PaintPicture(DeviceContext* dc) const {
  if (stretching_)
    Picture().StretchDraw(dc->Target(), RECT{0, 0, stretch_width_, stretch_height_});
  else
    Picture().Draw(dc->Target(), 0, 0);
}

void TQIM::CreateDXImage() {
  if (!TakeDisplay()) return;
  const int32_t w = stretching_ ? stretch_width_ : Picture().Width();
  const int32_t h = stretching_ ? stretch_height_ : Picture().Height();
  std::shared_ptr<IDirectDrawSurface> surface;
  last_result_ = CreateOffscreen(w, h, surface);
  if (Failed(last_result_) || !surface) {
    fp_surface_.reset();
    Report("eCreateSurfaceQIM");
    return;
  }
  fp_surface_ = std::move(surface);
  DeviceContext* dc = nullptr;
  last_result_ = fp_surface_->GetDC(&dc);
  if (Failed(last_result_) || dc == nullptr) {
    Report("eFpSurface->GetDC (QIM)");
    fp_surface_.reset();
    return;
  }
  PaintPicture(dc);
  fp_surface_->ReleaseDC(dc);
  // The surface holds the picture now; a JPEG decodes again should the surface need repainting.
  Picture().DropDecodedPixels();
}

void TQIM::CloseDXImage() {
  fp_surface_.reset();
}

void TQIM::SetTransparency(bool value) {
  if (!fp_surface_) {
    Report("eFpSurface==NULL");
    return;
  }
  if (!BackSurface()) {
    Report("eFDDBACK==NULL");
    return;
  }
  if (value) {
    blt_flags_ = DDBLTFAST_SRCCOLORKEY;
    // Pixel value 0: pure black, whatever the picture holds.
    const DDCOLORKEY key{0, 0};
    last_result_ = fp_surface_->SetColorKey(DDCKEY_SRCBLT, &key);
    if (Failed(last_result_)) {
      Report("eSetColorKey (QIM)");
      fp_surface_.reset();
    }
    transparency_ = true;
  } else {
    blt_flags_ = DDBLTFAST_NOCOLORKEY;
    transparency_ = false;
  }
}

void TQIM::DrawImage() {
  if (PrimaryLost()) {
    Report("Lost surface");
    return;
  }
  source_rect_ = stretching_ ? RECT{0, 0, stretch_width_, stretch_height_}
                             : RECT{0, 0, Picture().Width(), Picture().Height()};
  DrawImageFunc();
}

void TQIM::DrawImageFunc() {
  if (!fp_surface_) {
    Report("eFpSurface==NULL");
    return;
  }
  const std::shared_ptr<IDirectDrawSurface> back = BackSurface();
  if (!back) {
    Report("eFDDBACK==NULL");
    return;
  }
  BlitClipped(back.get(), fp_surface_.get(), "Error FDDBACK->BltFast (BMP) err #");
}

void TQIM::RestoreSurface() {
  if (!fp_surface_) return;
  last_result_ = fp_surface_->Restore();
  if (Failed(last_result_)) {
    Report("Can't restore surface TQIM");
    return;
  }
  DeviceContext* dc = nullptr;
  last_result_ = fp_surface_->GetDC(&dc);
  if (Failed(last_result_) || dc == nullptr) {
    Report("eFpSurface->GetDC (BMP)");
    fp_surface_.reset();
    return;
  }
  PaintPicture(dc);
  fp_surface_->ReleaseDC(dc);
}

}  // namespace lunvale::sprites
