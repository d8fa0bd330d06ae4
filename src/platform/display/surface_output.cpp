#include <SDL.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/frame_output.h"

namespace lunvale::platform {

namespace {

// SDL's own surface of a window that no X server shows (a Wayland window): the frame is drawn into it,
// scaled with its aspect kept, and only what changed is handed on. When the surface is not 32-bit XRGB
// the frame goes through a canvas of that layout and SDL converts the parts that changed.
class SurfaceOutput : public FrameOutput {
 public:
  explicit SurfaceOutput(SDL_Window* window) : window_(window) {}

  bool Show(const PixelView& frame, const PixelView* before, const GammaLut& lut) override {
    // A window whose size changed has a new surface with nothing in it.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr) return true;  // tried again with the next frame
    const bool direct = surface->format->format == SDL_PIXELFORMAT_RGB888;
    bool repaint = surface != surface_ || surface->w != width_ || surface->h != height_ ||
                   before == nullptr || before->width != frame.width || before->height != frame.height;
    surface_ = surface;
    width_ = surface->w;
    height_ = surface->h;
    SDL_Surface* target = surface;
    if (!direct) {
      if (!canvas_ || canvas_->w != width_ || canvas_->h != height_) {
        canvas_.reset(SDL_CreateRGBSurfaceWithFormat(0, width_, height_, 32, SDL_PIXELFORMAT_RGB888));
        if (!canvas_) return true;
        repaint = true;
      }
      target = canvas_.get();
    }
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return true;
    const PixelView dst{static_cast<uint32_t*>(target->pixels), target->w, target->h, target->pitch / 4};
    const FitBox box = FitPicture(frame.width, frame.height, width_, height_);
    std::vector<SDL_Rect> touched;
    if (repaint) {
      for (int y = 0; y < dst.height; ++y) std::fill(dst.Row(y), dst.Row(y) + dst.width, 0u);
      DrawScaled(dst, box, frame, {0, 0, frame.width, frame.height}, lut);
      touched.push_back(SDL_Rect{0, 0, width_, height_});
    } else {
      for (const RECT& part : ChangedRects(frame, *before)) {
        const RECT r = DrawScaled(dst, box, frame, part, lut);
        if (r.right > r.left) touched.push_back(SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top});
      }
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    if (touched.empty()) return true;
    if (!direct) {
      for (SDL_Rect r : touched) {
        SDL_Rect to = r;
        SDL_BlitSurface(canvas_.get(), &r, surface, &to);
      }
    }
    SDL_UpdateWindowSurfaceRects(window_, touched.data(), static_cast<int>(touched.size()));
    return true;
  }

 private:
  struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
  };

  SDL_Window* window_;
  SDL_Surface* surface_ = nullptr;  // only compared: SDL owns it
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
