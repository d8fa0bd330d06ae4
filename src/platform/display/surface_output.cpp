// SPDX-License-Identifier: MIT
#include "platform/display/surface_output.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/scaling.h"
#include "platform/display/smooth_scale.h"

namespace lunvale::platform {

namespace {

// SDL's own surface of a window that no X server shows (a Wayland window): the frame is kept in a copy of
// its own (SDL's surface belongs to the main thread), drawn into the surface scaled with its aspect kept, and
// only what changed is handed on. When the surface is not 32-bit XRGB the frame goes through a canvas of
// that layout and SDL converts the parts that changed.
class SurfaceOutput : public FrameOutput {
 public:
  explicit SurfaceOutput(SDL_Window* window) : window_(window) {}

  void Follow() override {}

  bool WantsWhole() const override { return frame_.empty(); }

  void Draw(const PixelView& frame, const std::vector<RECT>* changed, const GammaLut& lut) override {
    const size_t size = static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height);
    if (changed == nullptr || frame_.size() != size || frame.width != frame_w_) {
      frame_.assign(size, 0u);
      frame_w_ = frame.width;
      frame_h_ = frame.height;
      changed = nullptr;
    }
    const PixelView copy{frame_.data(), frame_w_, frame_h_, frame_w_};
    if (changed == nullptr) {
      CopyPixels(copy, 0, 0, frame, {0, 0, frame.width, frame.height}, {0, 0, frame.width, frame.height},
                 false, 0, 0);
      whole_ = true;
      changed_.clear();
    } else {
      for (const RECT& r : *changed) CopyPixels(copy, r.left, r.top, frame, r, r, false, 0, 0);
      if (!whole_) changed_.insert(changed_.end(), changed->begin(), changed->end());
      // Frames drawn faster than they are shown: the whole frame goes with the next one.
      if (changed_.size() > 1024) {
        changed_.clear();
        whole_ = true;
      }
    }
    lut_ = lut;
  }

  void Collect() override {
    touched_.clear();
    if (frame_.empty()) return;
    // A window whose size changed has a new surface with nothing in it.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr) return;  // tried again with the next frame
    direct_ = surface->format->format == SDL_PIXELFORMAT_RGB888;
    bool repaint = surface != surface_ || surface->w != width_ || surface->h != height_ || whole_;
    surface_ = surface;
    width_ = surface->w;
    height_ = surface->h;
    SDL_Surface* target = surface;
    if (!direct_) {
      if (!canvas_ || canvas_->w != width_ || canvas_->h != height_) {
        canvas_.reset(SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, SDL_PIXELFORMAT_RGB888));
        if (!canvas_) return;
        repaint = true;
      }
      target = canvas_.get();
    }
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
    const PixelView dst{static_cast<uint32_t*>(target->pixels), target->w, target->h, target->pitch / 4};
    const PixelView frame = ViewOf(PixelView{frame_.data(), frame_w_, frame_h_, frame_w_}, {});
    const FitBox box = FitPicture(frame.width, frame.height, width_, height_);
    if (repaint) {
      ClearAround(dst, std::vector<FitBox>{box});
      scaler_.Draw(dst, box, frame, {0, 0, frame.width, frame.height}, lut_);
      touched_.push_back(SDL_Rect{0, 0, width_, height_});
    } else {
      written_.clear();
      scaler_.DrawParts(dst, box, frame, changed_, lut_, written_);
      for (const RECT& r : written_)
        touched_.push_back(SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    changed_.clear();
    whole_ = false;
  }

  bool Flush() override {
    if (touched_.empty()) return true;
    if (!direct_) {
      for (SDL_Rect r : touched_) {
        SDL_Rect to = r;
        SDL_BlitSurface(canvas_.get(), &r, surface_, &to);
      }
    }
    SDL_UpdateWindowSurfaceRects(window_, touched_.data(), static_cast<int>(touched_.size()));
    touched_.clear();
    return true;
  }

 private:
  struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
  };

  SDL_Window* window_;
  // The frame as drawn, and what changed in it since the last Collect.
  std::vector<uint32_t> frame_;
  int frame_w_ = 0;
  int frame_h_ = 0;
  std::vector<RECT> changed_;
  bool whole_ = true;
  GammaLut lut_;
  SmoothScaler scaler_;
  std::vector<RECT> written_;  // what the scaler wrote of the last frame, kept for its capacity
  // Main thread only.
  std::vector<SDL_Rect> touched_;
  bool direct_ = true;
  SDL_Surface* surface_ = nullptr;  // SDL owns it
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<SDL_Surface, SurfaceFree> canvas_;
};

}  // namespace

std::unique_ptr<FrameOutput> OpenSurfaceOutput(SDL_Window* window) {
  if (window == nullptr) return nullptr;
  return std::make_unique<SurfaceOutput>(window);
}

}  // namespace lunvale::platform
