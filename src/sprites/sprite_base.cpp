// SPDX-License-Identifier: MIT
#include "sprites/sprite_base.h"

#include <limits>
#include <optional>

#include "sprites/blit_clip.h"

namespace lunvale::sprites {

using namespace platform;

namespace {

int32_t Scale(int32_t value, int32_t screen, int32_t design) {
  // 64-bit product, division truncated toward zero; results beyond 32 bits saturate.
  const int64_t scaled = static_cast<int64_t>(value) * screen / design;
  if (scaled > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (scaled < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(scaled);
}

}  // namespace

TQSpriteBase::TQSpriteBase(TComponent* owner) : TImage(owner) {
  // Room for the longest message, so that a failure repeated every frame stores it without allocating.
  error_result_.reserve(96);
}

void TQSpriteBase::SetErrorResult(const std::string& text) {
  std::lock_guard lock(error_mutex_);
  error_result_ = text;
}

std::string TQSpriteBase::GetErrorResult() const {
  std::lock_guard lock(error_mutex_);
  return error_result_;
}

void TQSpriteBase::Report(std::string_view text, std::string_view suffix) {
  {
    std::lock_guard lock(error_mutex_);
    error_result_.assign(text);
    error_result_.append(suffix);
  }
  if (OnError) OnError(this);
}

const DisplayPanel* TQSpriteBase::Panel() const {
  return dynamic_cast<const DisplayPanel*>(Parent());
}

int32_t TQSpriteBase::ScaleX(int32_t value) const {
  const DisplayPanel* qss = Panel();
  return qss ? Scale(value, qss->GetWidthScreen(), qss->GetDesignWidth()) : value;
}

int32_t TQSpriteBase::ScaleY(int32_t value) const {
  const DisplayPanel* qss = Panel();
  return qss ? Scale(value, qss->GetHeightScreen(), 768) : value;
}

void TQSpriteBase::SetShowX(int32_t value) {
  show_x_ = stretching_ ? ScaleX(value) : value;
}

void TQSpriteBase::SetShowY(int32_t value) {
  show_y_ = stretching_ ? ScaleY(value) : value;
}

bool TQSpriteBase::TakeDisplay() {
  const DisplayPanel* qss = Panel();
  std::shared_ptr<IDirectDraw> dd = qss ? qss->FDD() : nullptr;
  std::shared_ptr<IDirectDrawSurface> back = qss ? qss->FDDBACK() : nullptr;
  std::shared_ptr<IDirectDrawSurface> prim = qss ? qss->FDDPRIM() : nullptr;
  fdd_ = dd;
  if (!dd) {
    Report("FDD==NULL");
    return false;
  }
  fddback_ = back;
  if (!back) {
    Report("FDDBACK==NULL");
    return false;
  }
  fddprim_ = prim;
  if (!prim) {
    Report("FDDPRIM==NULL");
    return false;
  }
  return true;
}

bool TQSpriteBase::PrimaryLost() const {
  const std::shared_ptr<IDirectDrawSurface> prim = fddprim_.lock();
  return prim && prim->IsLost() != DD_OK;
}

HRESULT TQSpriteBase::CreateOffscreen(int32_t w, int32_t h, std::shared_ptr<IDirectDrawSurface>& out) {
  out.reset();
  const std::shared_ptr<IDirectDraw> dd = fdd_.lock();
  if (!dd) return DDERR_INVALIDOBJECT;
  DDSURFACEDESC desc;
  desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  // A negative size must not turn into a huge one.
  desc.dwWidth = static_cast<uint32_t>(w < 0 ? 0 : w);
  desc.dwHeight = static_cast<uint32_t>(h < 0 ? 0 : h);
  return dd->CreateSurface(desc, out);
}

void TQSpriteBase::BlitClipped(IDirectDrawSurface* back, IDirectDrawSurface* src,
                               std::string_view blt_error) {
  const TControl* panel = Parent();
  if (panel == nullptr) return;
  // Within the canvas being drawn: the whole panel, or one of the canvases side by side on it.
  const DisplayPanel* qss = Panel();
  const std::optional<DisplayPanel::Canvas> canvas = qss ? qss->CurrentCanvas() : std::nullopt;
  const int32_t left = canvas ? canvas->left : 0;
  const int32_t right = canvas ? canvas->right : panel->Width();
  ClippedBlit blit = ClipBlit(show_x_ - left, show_y_, source_rect_, right - left, panel->Height());
  if (!blit.draw) return;
  blit.x += left;
  HRESULT hr = DD_OK;
  for (int attempt = 0; attempt <= kStillDrawingRetries; ++attempt) {
    hr = back->BltFast(blit.x, blit.y, src, &blit.source, blt_flags_);
    if (hr != DDERR_WASSTILLDRAWING) break;
  }
  last_result_ = hr;
  if (Succeeded(hr)) return;
  if (hr == DDERR_SURFACELOST)
    Report("Lost surface");
  else
    Report(blt_error, DDErrorName(hr));
}

}  // namespace lunvale::sprites
